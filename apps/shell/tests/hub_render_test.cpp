// The three layouts in the states 1 and 3, drawn as the user sees them: every button at its
// place and whole, nothing on top of another, the unusable ones drawn disabled. The pictures are
// kept in the build folder (screenshots/shell) for review.

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include "apps/shell/art_palette.h"
#include "apps/shell/button_art.h"
#include "apps/shell/header_table.h"
#include "apps/shell/tests/hub_window_fixture.h"
#include "apps/shell/tool_button.h"
#include "tests/ui_checks/layout_problems.h"
#include "tests/ui_checks/rendered_window.h"

namespace tk73hub {
namespace {

struct RenderCase {
    uint32_t userMode;
    HubLayout layout;
    const char* name;
};

class HubRender : public testing::TestWithParam<RenderCase> {};

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
           std::abs(a.blue() - b.blue()) <= 3;
}

// The ground a button shows at its left edge, half way down: clear of the caption and symbol.
QColor faceColour(const QImage& picture, const QRect& button) {
    return picture.pixelColor(button.left() + 8, button.top() + button.height() / 2);
}

QColor disabledFace(const ToolRow& row) {
    return row.style == ButtonStyle::File ? palette::kCardDisabled : palette::kDisabledFace;
}

void checkState(hubtest::HubWindow& hub, const RenderCase& c, int state) {
    CHubDlg& window = hub.window();
    window.Document().SetState(state);
    QApplication::processEvents();
    const QImage picture = window.grab().toImage();
    const QString file =
        tk73test::picturePath(QStringLiteral(TK73_SHELL_SCREENSHOTS "/%1-state%2.png")
                                  .arg(QString::fromLatin1(c.name))
                                  .arg(state));
    QDir().mkpath(QFileInfo(file).path());
    EXPECT_TRUE(picture.save(file)) << file.toStdString();

    const WindowSize size = windowSize(c.layout);
    EXPECT_EQ(window.size(), QSize(size.width, size.height));
    const QStringList problems = tk73test::layoutProblems(&window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    const QRect inside(QPoint(0, 0), window.size());

    // Everything that must not overlap: the visible buttons, the pictures and the store bar.
    std::vector<std::pair<std::string, QRect>> taken;
    for (const QLabel* picture : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        taken.emplace_back(picture->objectName().toStdString(), picture->geometry());
    }
    if (QWidget* bar = window.findChild<QWidget*>(QStringLiteral("storeBar"))) {
        // As tall as its button needs in the system's font, never less.
        EXPECT_EQ(bar->geometry().topLeft(), QPoint(0, 0));
        EXPECT_EQ(bar->width(), size.width);
        EXPECT_GE(bar->height(), kStoreBarHeight);
        taken.emplace_back("store bar", bar->geometry());
    }

    for (const ToolRow& row : toolTable(c.layout)) {
        SCOPED_TRACE(row.controlText);
        QAbstractButton* button = window.Button(row.controlId);
        ASSERT_NE(button, nullptr);
        auto* tool = dynamic_cast<CToolButton*>(button);
        ASSERT_NE(tool, nullptr) << "no bitmaps";
        EXPECT_EQ(button->isEnabled(), row.place.enabled[static_cast<size_t>(state)]);
        EXPECT_EQ(tool->CurrentSuffix() == 'D', !button->isEnabled());
        if (row.hidden()) {
            EXPECT_FALSE(button->isVisible());
            continue;
        }
        ASSERT_TRUE(button->isVisible());
        const QRect place = button->geometry();
        EXPECT_EQ(place, QRect(QPoint(row.place.x, row.place.y), bitmapSize(bitmapBase(row))));
        EXPECT_TRUE(inside.contains(place)) << "clipped by the window";
        for (const auto& [name, other] : taken) {
            EXPECT_FALSE(place.intersects(other)) << "overlaps " << name;
        }
        taken.emplace_back(row.controlText, place);
        EXPECT_EQ(near(faceColour(picture, place), disabledFace(row)), !button->isEnabled());
    }
}

TEST_P(HubRender, EveryButtonAtItsPlaceInBothStates) {
    const RenderCase c = GetParam();
    hubtest::HubWindow hub(c.userMode);
    ASSERT_EQ(hub.window().Layout(), c.layout);
    EXPECT_EQ(hub.window().Document().GetState(), 1);
    if (c.layout == HubLayout::Pro) {
        // The VEK setting can be used only on a store with a controller.
        ASSERT_NE(hub.selectNewStore("Harbour", 301, 501), 0);
    }
    checkState(hub, c, 1);
    checkState(hub, c, 3);
}

INSTANTIATE_TEST_SUITE_P(Layouts, HubRender,
                         testing::Values(RenderCase{0, HubLayout::Default, "default"},
                                         RenderCase{1, HubLayout::StandAlone, "standalone"},
                                         RenderCase{2, HubLayout::Pro, "pro"}),
                         [](const testing::TestParamInfo<RenderCase>& info) {
                             return std::string(info.param.name);
                         });

// Each bitmap state looks different from the others, so the user sees what the button does. The
// sheet of every bitmap (a row per base: normal, pressed, focused, disabled) is kept for review.
TEST(ButtonArt, FourDistinctStatesForEveryBase) {
    QImage sheet(4 * 190, 7 * 90, QImage::Format_ARGB32);
    sheet.fill(palette::kGroundTop);
    QPainter painter(&sheet);
    int row = 0;
    for (const char* base : {"BTNFILEOPEN", "BtnFileNew", "BTNFILESAVE", "BTNFILESAVEAS", "BTNDARK",
                             "BTNPINK", "BTNPURPLE"}) {
        SCOPED_TRACE(base);
        std::vector<QImage> states;
        for (char suffix : {'N', 'S', 'F', 'D'}) {
            painter.drawPixmap(static_cast<int>(states.size()) * 190 + 5, row * 90 + 5,
                               buttonBitmap(base, suffix, 1.0));
            const QPixmap bitmap = buttonBitmap(base, suffix, 2.0);
            ASSERT_FALSE(bitmap.isNull());
            EXPECT_EQ(bitmap.deviceIndependentSize().toSize(), bitmapSize(base));
            EXPECT_EQ(bitmap.size(), bitmapSize(base) * 2);  // drawn at the screen's resolution
            states.push_back(bitmap.toImage());
        }
        for (size_t i = 0; i < states.size(); ++i) {
            for (size_t j = i + 1; j < states.size(); ++j) {
                EXPECT_NE(states[i], states[j]) << i << " " << j;
            }
        }
        ++row;
    }
    painter.end();
    QDir().mkpath(QStringLiteral(TK73_SHELL_SCREENSHOTS));
    EXPECT_TRUE(sheet.save(QStringLiteral(TK73_SHELL_SCREENSHOTS "/button-states.png")));
    EXPECT_TRUE(buttonBitmap("BTNUNKNOWN", 'N', 1.0).isNull());
    EXPECT_TRUE(buttonBitmap("BTNDARK", 'X', 1.0).isNull());
    EXPECT_FALSE(bitmapSize("BTNUNKNOWN").isValid());
}

}  // namespace
}  // namespace tk73hub
