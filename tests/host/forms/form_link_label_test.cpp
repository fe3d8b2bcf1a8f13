// The link label's click: a press and a release both on the label.
#include "host/forms/form_link_label_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace kestro {
namespace {

constexpr POINT ON_LABEL{15, 12};
constexpr POINT OFF_LABEL{80, 12};

class LinkLabelTest : public ::testing::Test {
  protected:
    LinkLabelTest() {
        label.place(RECT{10, 10, 60, 25});
        label.Click = [this] { ++clicks; };
    }
    ~LinkLabelTest() override { DestroyWindow(container); }

    HWND container = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 40, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    FormLinkLabel label;
    int clicks = 0;
};

TEST_F(LinkLabelTest, PressAndReleaseOnTheLabelClickOnce) {
    ASSERT_NE(container, nullptr);
    label.handleButtonDown(container, ON_LABEL);
    EXPECT_EQ(GetCapture(), container) << "the release is seen wherever it happens";
    label.handleButtonUp(container, ON_LABEL);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetCapture(), nullptr);

    label.handleButtonUp(container, ON_LABEL); // a release without a press
    EXPECT_EQ(clicks, 1);
}

TEST_F(LinkLabelTest, PressOrReleaseOffTheLabelIsNoClick) {
    ASSERT_NE(container, nullptr);
    label.handleButtonDown(container, ON_LABEL);
    label.handleButtonUp(container, OFF_LABEL);
    label.handleButtonDown(container, OFF_LABEL);
    EXPECT_EQ(GetCapture(), nullptr);
    label.handleButtonUp(container, ON_LABEL);
    EXPECT_EQ(clicks, 0);
}

} // namespace
} // namespace kestro
