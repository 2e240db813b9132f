// The product's layout search behind the optimiser's LayoutSearch interface.
#include "ContainerSearch.h"
#include "Optimiser.h"

namespace palvane {

namespace {

class ProductSearch final : public LayoutSearch {
public:
    void reset(PackWorkspace& ws) override { ResetSearch(ws); }
    void run(PackWorkspace& ws) override {
        PrepareSearch(ws);
        SearchContainer(ws);
    }
};

} // namespace

std::unique_ptr<LayoutSearch> NewLayoutSearch() {
    return std::make_unique<ProductSearch>();
}

} // namespace palvane
