#include <gtest/gtest.h>

#include "Progress.h"

// The progress interface has defaults so a caller can implement only what it shows.
namespace {
struct CountingSink : palvane::ProgressSink {
    int events = 0;
    void processEvents() override { ++events; }
};
} // namespace

TEST(ProgressSink, DefaultsAreHarmless) {
    CountingSink sink;
    sink.setOverall(50);
    sink.processEvents();
    EXPECT_EQ(sink.events, 1);
}
