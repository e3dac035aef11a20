#include "ui/field_events.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

struct MouseGesture {
    const char* name;
    Qt::MouseButton button;
    QPoint press;  // a negative x means no press
    QPoint release;
    int clicks;
};

class ClickSourceTest : public testing::TestWithParam<MouseGesture> {};

TEST_P(ClickSourceTest, ClicksOnlyOnAPressAndReleaseOnTheField) {
    const MouseGesture& gesture = GetParam();
    QLineEdit field;
    field.resize(100, 21);
    auto* source = new ClickSource(&field);
    QSignalSpy clicked(source, &ClickSource::clicked);

    if (gesture.press.x() >= 0) QTest::mousePress(&field, gesture.button, {}, gesture.press);
    QTest::mouseRelease(&field, gesture.button, {}, gesture.release);

    EXPECT_EQ(clicked.count(), gesture.clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, ClickSourceTest,
    testing::Values(MouseGesture{"LeftInside", Qt::LeftButton, {5, 5}, {50, 10}, 1},
                    MouseGesture{"ReleasedOutside", Qt::LeftButton, {5, 5}, {150, 10}, 0},
                    MouseGesture{"RightButton", Qt::RightButton, {5, 5}, {5, 5}, 0},
                    MouseGesture{"ReleaseWithoutPress", Qt::LeftButton, {-1, 0}, {5, 5}, 0}),
    [](const testing::TestParamInfo<MouseGesture>& info) { return info.param.name; });

}  // namespace
