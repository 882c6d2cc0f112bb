#include "controls/vertical_scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/form.h"
#include "platform/headless_app.h"
#include "platform/input.h"

using namespace controls;

using platform::InputEvent;
using platform::MouseButton;
using platform::Rect;

namespace {

// A bar with the information page's settings: range 0...100, page 12, large change 15.
class VerticalScrollBarTest : public ::testing::Test {
  protected:
    VerticalScrollBarTest() : bar_(form_, 0, 100, 12, 15) {
        form_.SetBounds({0, 0, 400, 700});
        bar_.SetBounds(Rect::FromSize(300, 100, VerticalScrollBar::DefaultWidth, 512));
        bar_.OnScroll = [this](int p) { scrolled_.push_back(p); };
        form_.Show();
    }
    void Send(InputEvent::Type type, int y) {
        InputEvent e;
        e.type = type;
        e.button = MouseButton::Left;
        e.x = 308;
        e.y = y;
        h_.headless->Inject(e);
        h_.app->ProcessMessages();
    }

    HeadlessApp h_{{400, 700}};
    platform::Form form_;
    VerticalScrollBar bar_;
    std::vector<int> scrolled_;
};

}  // namespace

TEST_F(VerticalScrollBarTest, TheThumbShowsThePageAndReachesTheEndsOfTheTrack) {
    // 12 of 101 positions: 512 * 12 / 101 pixels.
    EXPECT_EQ(bar_.ThumbRect(), Rect::FromSize(300, 100, 17, 60));
    EXPECT_EQ(bar_.MaxPosition(), 89);
    const struct {
        int asked;
        int position;
        int thumbTop;
    } cases[] = {{-5, 0, 100}, {89, 89, 552}, {100, 89, 552}, {45, 45, 100 + 452 * 45 / 89}};
    for (const auto& c : cases) {
        bar_.SetPosition(c.asked);
        EXPECT_EQ(bar_.Position(), c.position);
        EXPECT_EQ(bar_.ThumbRect().Top, c.thumbTop);
    }
    // Changes the program makes are not reported as scrolling.
    EXPECT_TRUE(scrolled_.empty());
}

TEST_F(VerticalScrollBarTest, DraggingReportsEveryNewPositionAndFollowsThePointer) {
    Send(InputEvent::Type::MouseDown, 130);        // inside the thumb, 30 pixels below its top
    Send(InputEvent::Type::MouseMove, 130);        // not moved: nothing to report
    Send(InputEvent::Type::MouseMove, 130 + 226);  // half the thumb's travel
    Send(InputEvent::Type::MouseMove, 130 + 452);  // all of it
    Send(InputEvent::Type::MouseUp, 130 + 452);
    Send(InputEvent::Type::MouseMove, 130);  // released: no longer dragging
    EXPECT_EQ(scrolled_, (std::vector<int>{45, 89}));
    EXPECT_EQ(bar_.Position(), 89);
}
