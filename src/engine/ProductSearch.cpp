// The product's layout search behind the optimiser's LayoutSearch interface.
#include "Optimiser.h"

#if __has_include("ContainerSearch.h")
#include "ContainerSearch.h"

namespace palvane {

namespace {

class ProductSearch final : public LayoutSearch {
public:
    void reset(PackWorkspace& ws) override { ResetSearch(ws); }
    void run(PackWorkspace& ws) override
    {
        PrepareSearch(ws);
        SearchContainer(ws);
    }
};

} // namespace

std::unique_ptr<LayoutSearch> NewLayoutSearch() { return std::make_unique<ProductSearch>(); }

} // namespace palvane

#else

namespace palvane {

// Until the container search is part of the build there is no search to offer.
std::unique_ptr<LayoutSearch> NewLayoutSearch() { return nullptr; }

} // namespace palvane

#endif
