#include "AppFixture.h"
#include "app/MainWindow.h"
#include "logos/LogoEditor.h"
#include "session/LogoRoutines.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace nimbrel;
using nimbrel::testing::AppFixture;

namespace {

struct GraphicsWindowTest : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    app::GraphicsWindow* graphics = nullptr;

    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        startWithoutPort();
        window->show();
        window->render();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        graphics = window->graphicsWindow();
    }

    // A mouse event on the editor picture at a position of the graphics window's client area.
    void mouse(QEvent::Type type, QPoint client, Qt::MouseButtons held,
               Qt::MouseButton button = Qt::NoButton) {
        QWidget* editor = graphics->editorPicture();
        const QPoint local = editor->mapFrom(graphics->canvas(), client);
        QMouseEvent event(type, local, editor->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(editor, &event);
    }
    void drag(Qt::MouseButton button, const std::vector<QPoint>& path) {
        mouse(QEvent::MouseButtonPress, path.front(), button, button);
        for (std::size_t i = 1; i < path.size(); ++i)
            mouse(QEvent::MouseMove, path[i], button);
        mouse(QEvent::MouseButtonRelease, path.back(), Qt::NoButton, button);
    }
    // What the editor shows on screen at a point of the grid image.
    QRgb shownGridPixel(QPoint at) {
        QApplication::processEvents();
        return graphics->editorPicture()->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
    }
    QRgb shownStripPixel(QPoint at) {
        QApplication::processEvents();
        return graphics->logoPicture()->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
    }
    QString cursorField() { return graphics->status().text(1); }
};

TEST_F(GraphicsWindowTest, ControlsAtTheirPlaces) {
    EXPECT_EQ(graphics->editorArea()->geometry(), QRect(10, 10, 780, 360));
    EXPECT_EQ(graphics->logoPicture()->geometry(), QRect(10, 405, 780, 32));
    EXPECT_EQ(graphics->editorPicture()->size(), QSize(8192, 330));
    // The picture sits 10 pixels into the scrolling area, itself 10 pixels into the window.
    EXPECT_EQ(graphics->editorPicture()->mapTo(graphics->canvas(), QPoint(0, 0)), QPoint(20, 20));
    EXPECT_EQ(shownGridPixel(QPoint(1, 1)), qRgb(200, 200, 210));
    EXPECT_EQ(shownGridPixel(QPoint(0, 0)), qRgb(220, 220, 220));
    EXPECT_EQ(shownStripPixel(QPoint(0, 0)), qRgb(255, 255, 255));
    EXPECT_EQ(shownStripPixel(QPoint(64, 0)), qRgb(230, 230, 240));
}

TEST_F(GraphicsWindowTest, LeftDragPaintsDarkDotsAlongThePath) {
    // Row 2 is at client y 40..49; columns 0..3 at x 20..59.
    drag(Qt::LeftButton, {{25, 45}, {35, 45}, {45, 45}, {55, 46}});
    auto& logo = session.logos;
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(logo.logo.pixel(x, 2), qRgb(0, 0, 0)) << x;
    EXPECT_EQ(logo.logo.pixel(4, 2), qRgb(255, 255, 255));
    EXPECT_EQ(logos::countActiveDrops(logo), 4);
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(cursorField(), QStringLiteral("XY=4:3"));
    EXPECT_EQ(shownGridPixel(QPoint(31, 21)), qRgb(0, 0, 0));
    EXPECT_EQ(shownGridPixel(QPoint(39, 29)), qRgb(0, 0, 0));
    EXPECT_EQ(shownGridPixel(QPoint(40, 25)), qRgb(220, 220, 220));
    EXPECT_EQ(shownStripPixel(QPoint(3, 2)), qRgb(0, 0, 0));
}

TEST_F(GraphicsWindowTest, RightDragPaintsLightDots) {
    drag(Qt::LeftButton, {{25, 25}, {35, 25}, {45, 25}});
    drag(Qt::RightButton, {{35, 25}, {36, 25}, {45, 25}});
    EXPECT_EQ(logos::countActiveDrops(session.logos), 1);
    EXPECT_EQ(session.logos.logo.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shownGridPixel(QPoint(15, 5)), qRgb(200, 200, 210));
}

TEST_F(GraphicsWindowTest, HoverShowsThePositionWithoutPainting) {
    mouse(QEvent::MouseMove, QPoint(100, 100), Qt::NoButton);
    EXPECT_EQ(cursorField(), QStringLiteral("XY=8:9"));
    EXPECT_FALSE(session.logos.changed);
    // Past the logo's last column nothing changes, not even the field.
    mouse(QEvent::MouseMove, QPoint(700, 100), Qt::NoButton);
    EXPECT_EQ(cursorField(), QStringLiteral("XY=8:9"));
}

TEST_F(GraphicsWindowTest, RightPressWithoutMovingPaintsNothing) {
    drag(Qt::LeftButton, {{25, 25}, {35, 25}});
    session.logos.changed = false;
    mouse(QEvent::MouseButtonPress, QPoint(25, 25), Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, QPoint(25, 25), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(logos::countActiveDrops(session.logos), 2);
    EXPECT_FALSE(session.logos.changed);
    EXPECT_EQ(cursorField(), QStringLiteral("XY=1:1"));
}

// Left of column 0 and above row 0 the mouse is over the margin around the picture.
TEST_F(GraphicsWindowTest, MarginsUpdateThePositionOnly) {
    QWidget* margin = graphics->findChild<QWidget*>(QStringLiteral("logoEditorMargin"));
    ASSERT_NE(margin, nullptr);
    EXPECT_EQ(margin->width(), 8192);
    struct Case {
        QPoint client;
        const char* shown;
    };
    for (const Case& c : {Case{{15, 100}, "XY=0:9"}, Case{{100, 15}, "XY=8:0"},
                          Case{{11, 11}, "XY=0:0"}, Case{{19, 45}, "XY=0:3"}}) {
        const QPoint local = margin->mapFrom(graphics->canvas(), c.client);
        QMouseEvent press(QEvent::MouseButtonPress, local, margin->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(margin, &press);
        EXPECT_EQ(cursorField(), QString::fromUtf8(c.shown)) << c.client.x() << "," << c.client.y();
        QMouseEvent release(QEvent::MouseButtonRelease, local, margin->mapToGlobal(local),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(margin, &release);
    }
    EXPECT_EQ(logos::countActiveDrops(session.logos), 0);
}

TEST_F(GraphicsWindowTest, ScrolledGridPaintsTheColumnUnderTheMouse) {
    dialogs.answer("256");
    window->runCommand(30);
    ASSERT_EQ(session.logos.width, 256);
    EXPECT_EQ(graphics->status().text(2), QStringLiteral("XY-size = 256:24"));
    QScrollBar* bar = graphics->editorArea()->horizontalScrollBar();
    bar->setValue(1605);
    EXPECT_EQ(bar->value(), 1600);
    EXPECT_EQ(session.logos.columnOffset, 160);
    drag(Qt::LeftButton, {{25, 25}});
    EXPECT_EQ(session.logos.logo.pixel(160, 0), qRgb(0, 0, 0));
    EXPECT_EQ(cursorField(), QStringLiteral("XY=161:1"));
    EXPECT_EQ(shownGridPixel(QPoint(1605, 5)), qRgb(0, 0, 0));
}

TEST_F(GraphicsWindowTest, MouseIsIgnoredInTheMarkView) {
    shell.activeView = session::View::Mark;
    drag(Qt::LeftButton, {{25, 25}});
    EXPECT_FALSE(session.logos.changed);
}

TEST_F(GraphicsWindowTest, NewLogoIsShown) {
    drag(Qt::LeftButton, {{25, 25}});
    dialogs.answer("8");
    dialogs.answer("10");
    window->runCommand(20);
    EXPECT_EQ(session.logos.width, 10);
    EXPECT_EQ(shownStripPixel(QPoint(0, 0)), qRgb(255, 255, 255));
    EXPECT_EQ(shownStripPixel(QPoint(9, 7)), qRgb(255, 255, 255));
    EXPECT_EQ(shownStripPixel(QPoint(10, 0)), qRgb(230, 230, 240));
    EXPECT_EQ(shownStripPixel(QPoint(0, 8)), qRgb(230, 230, 240));
    EXPECT_EQ(shownGridPixel(QPoint(5, 5)), qRgb(200, 200, 210));
    EXPECT_EQ(shownGridPixel(QPoint(105, 5)), qRgb(230, 230, 240));
}

TEST_F(GraphicsWindowTest, AWidePictureScrollsHome) {
    QScrollBar* bar = graphics->editorArea()->horizontalScrollBar();
    bar->setValue(3000);
    QImage picture(800, 16, QImage::Format_RGB32);
    picture.fill(Qt::black);
    logos::showPicture(session.logos, picture);
    window->render();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(session.logos.columnOffset, 0);
    // The strip shows the first 780 columns; the grid all of them.
    EXPECT_EQ(shownStripPixel(QPoint(779, 15)), qRgb(0, 0, 0));
    bar->setValue(bar->maximum());
    EXPECT_EQ(shownGridPixel(QPoint(7991, 151)), qRgb(0, 0, 0));
    // The inner area is 8192 wide; the grid still stops on a cell boundary at its right end.
    EXPECT_EQ(graphics->editorArea()->widget()->width(), 8192);
    EXPECT_EQ(bar->value() % 10, 0);
    EXPECT_EQ(bar->value(), 8192 - 780 - 2);
}

// A drawn logo, saved, as the user sees it. With NIMBREL_SNAPSHOTS set to a folder the window
// is also written there as a picture for a person to look at.
TEST_F(GraphicsWindowTest, DrawnAndSavedLogo) {
    dialogs.answer("16");
    dialogs.answer("40");
    window->runCommand(20);
    // A frame and an "N" (its diagonal meets the right stroke) drawn with the mouse.
    for (int y = 0; y < 16; ++y) {
        drag(Qt::LeftButton, {{25, 25 + 10 * y}});
        // The last column reacts only over the left part of its cell.
        drag(Qt::LeftButton, {{25 + 385, 25 + 10 * y}});
    }
    for (int x = 0; x < 40; ++x) {
        drag(Qt::LeftButton, {{25 + 10 * x, 25}});
        drag(Qt::LeftButton, {{25 + 10 * x, 175}});
    }
    for (int i = 0; i < 10; ++i) {
        drag(Qt::LeftButton, {{65, 55 + 10 * i}});
        drag(Qt::LeftButton, {{165, 55 + 10 * i}});
        drag(Qt::LeftButton, {{75 + 10 * i, 55 + 10 * i}});
    }
    mouse(QEvent::MouseMove, QPoint(125, 95), Qt::NoButton);
    const QString saved = QDir(session.workingFolder).filePath(QStringLiteral("frame_n.bmp"));
    dialogs.answer(saved);
    window->runCommand(23);
    EXPECT_EQ(logos::countActiveDrops(session.logos), 2 * 16 + 2 * 38 + 29);
    EXPECT_EQ(shownStripPixel(QPoint(39, 15)), qRgb(0, 0, 0));
    EXPECT_EQ(shownStripPixel(QPoint(7, 5)), qRgb(0, 0, 0));
    EXPECT_EQ(shownStripPixel(QPoint(40, 15)), qRgb(230, 230, 240));
    EXPECT_EQ(shownGridPixel(QPoint(391, 151)), qRgb(0, 0, 0));
    EXPECT_EQ(cursorField(), QStringLiteral("XY=11:8"));
    EXPECT_EQ(graphics->status().text(0), logos::savedFileStatus(saved));
    // The new-logo command leaves the size field as it was.
    EXPECT_EQ(graphics->status().text(2), QStringLiteral("Размер XY: 64x24"));
    EXPECT_TRUE(QFile::exists(saved));
    const QString folder = qEnvironmentVariable("NIMBREL_SNAPSHOTS");
    if (!folder.isEmpty()) {
        QApplication::processEvents();
        window->grab().save(QDir(folder).filePath(QStringLiteral("graphics_window.png")));
    }
}

} // namespace
