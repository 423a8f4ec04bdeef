#include "AppFixture.h"
#include "app/MainWindow.h"
#include "logos/LogoEditor.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTest>

using namespace nimbrel;
using nimbrel::testing::AppFixture;

namespace {

// Undo and redo in the graphics view, as the user reaches them: strokes with the mouse, logo
// commands from the menu, Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z on the keyboard.
struct LogoUndoTest : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    app::GraphicsWindow* graphics = nullptr;

    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        startWithoutPort();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->render();
        graphics = window->graphicsWindow();
    }

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
    // A key as the keyboard sends it to the widget with the focus in the graphics view.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        ASSERT_TRUE(graphics->isAncestorOf(focus)) << focus->metaObject()->className();
        QTest::keyClick(focus, k, modifiers);
    }
    QRgb shownGridPixel(QPoint at) {
        QApplication::processEvents();
        return graphics->editorPicture()->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
    }
    int dots() { return logos::countActiveDrops(session.logos); }
};

TEST_F(LogoUndoTest, StrokeUndoneAndRedoneByKeys) {
    // Row 2 is at client y 40..49; columns 0..3 at x 20..59.
    drag(Qt::LeftButton, {{25, 45}, {35, 45}, {45, 45}, {55, 46}});
    ASSERT_EQ(dots(), 4);
    key(Qt::Key_Z);
    EXPECT_EQ(dots(), 0);
    EXPECT_FALSE(session.logos.changed);
    EXPECT_EQ(shownGridPixel(QPoint(31, 21)), qRgb(200, 200, 210));
    key(Qt::Key_Y);
    EXPECT_EQ(dots(), 4);
    EXPECT_TRUE(session.logos.changed);
    EXPECT_EQ(shownGridPixel(QPoint(31, 21)), qRgb(0, 0, 0));
    key(Qt::Key_Z);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dots(), 4);
    // Nothing left to redo: the key changes nothing.
    key(Qt::Key_Y);
    EXPECT_EQ(dots(), 4);
}

TEST_F(LogoUndoTest, EachStrokeIsOneStep) {
    drag(Qt::LeftButton, {{25, 25}, {35, 25}});
    drag(Qt::LeftButton, {{25, 35}, {35, 35}, {45, 35}});
    // A drag that comes in from outside the editor with the button held: its first move.
    mouse(QEvent::MouseMove, QPoint(25, 45), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(35, 45), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(35, 45), Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(dots(), 7);
    key(Qt::Key_Z);
    EXPECT_EQ(dots(), 5);
    key(Qt::Key_Z);
    EXPECT_EQ(dots(), 2);
    EXPECT_EQ(session.logos.logo.pixel(1, 0), qRgb(0, 0, 0));
    key(Qt::Key_Z);
    EXPECT_EQ(dots(), 0);
}

TEST_F(LogoUndoTest, HoverRecordsNothing) {
    drag(Qt::LeftButton, {{25, 25}});
    mouse(QEvent::MouseMove, QPoint(100, 100), Qt::NoButton);
    key(Qt::Key_Z);
    EXPECT_EQ(dots(), 0);
    EXPECT_EQ(session.logoUndo.undoCount(), 0);
}

TEST_F(LogoUndoTest, CommandsAreStepsAndTheStatusFollows) {
    drag(Qt::LeftButton, {{25, 25}});
    dialogs.answer("100");
    window->runCommand(30); // width
    window->runCommand(32); // invert
    ASSERT_EQ(session.logos.width, 100);
    ASSERT_EQ(dots(), 100 * 24 - 1);
    window->runCommand(35); // counting the dots changes nothing: no step
    EXPECT_EQ(session.logoUndo.undoCount(), 3);

    key(Qt::Key_Z);
    EXPECT_EQ(dots(), 1);
    EXPECT_EQ(session.logos.width, 100);
    key(Qt::Key_Z);
    EXPECT_EQ(session.logos.width, 64);
    EXPECT_EQ(graphics->status().text(2), QStringLiteral("Размер XY: 64x24"));
    EXPECT_EQ(dots(), 1);
    key(Qt::Key_Y);
    EXPECT_EQ(graphics->status().text(2), QStringLiteral("Размер XY: 100x24"));
}

TEST_F(LogoUndoTest, KeysOfTheMarkViewLeaveTheLogo) {
    drag(Qt::LeftButton, {{25, 25}});
    window->runCommand(session::kCmdMarkView);
    QWidget* field = window->markWindow()->textField();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dots(), 1);
}

} // namespace

namespace {

TEST_F(LogoUndoTest, OpenedPictureUndoneToTheLogoBefore) {
    drag(Qt::LeftButton, {{25, 25}});
    const QImage before = session.logos.logo.copy();
    QImage picture(64, 8, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QString file = QDir(session.workingFolder).filePath(QStringLiteral("black.png"));
    ASSERT_TRUE(picture.save(file));
    dialogs.answer(file);
    platform::ConversionOptions options;
    options.height = 8;
    dialogs.answer(options);
    window->runCommand(21);
    ASSERT_EQ(session.logos.width, 64);
    ASSERT_EQ(session.logos.height, 8);
    EXPECT_EQ(graphics->status().text(0), QStringLiteral("Рисунок: black.png"));
    EXPECT_EQ(dots(), 64 * 8);

    key(Qt::Key_Z);
    EXPECT_EQ(session.logos.logo, before);
    EXPECT_EQ(session.logos.height, 24);
    EXPECT_EQ(session.logos.file.type, QString());
    EXPECT_TRUE(session.logos.changed);
    EXPECT_EQ(graphics->status().text(2), QStringLiteral("Размер XY: 64x24"));
    EXPECT_EQ(graphics->status().text(0), QStringLiteral("Рисунок: ..."));
    key(Qt::Key_Y);
    EXPECT_EQ(dots(), 64 * 8);
    EXPECT_EQ(session.logos.file.type, QStringLiteral("bmp"));
    EXPECT_EQ(graphics->status().text(2), QStringLiteral("Размер XY: 64x8"));
}

} // namespace
