#include "logos/UndoHistory.h"
#include "LogoTestSupport.h"
#include "logos/EditorMouse.h"
#include "logos/PictureConversion.h"

#include <QRandomGenerator>

using namespace nimbrel;
using namespace nimbrel::logos;
using nimbrel::testing::dotRows;
using nimbrel::testing::drawRows;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// Everything an undo must bring back, images pixel for pixel.
struct Seen {
    QImage logo;
    QImage grid;
    int width;
    int height;
    int bytesPerColumn;
    bool changed;
    QString fileName;
    QString fileType;
};

Seen seen(const LogoState& logo) {
    // Deep copies: the editor draws into the images in place.
    return {logo.logo.copy(),    logo.grid.copy(), logo.width,     logo.height,
            logo.bytesPerColumn, logo.changed,     logo.file.name, logo.file.type};
}

void expectSame(const LogoState& logo, const Seen& was, const char* what) {
    EXPECT_EQ(logo.width, was.width) << what;
    EXPECT_EQ(logo.height, was.height) << what;
    EXPECT_EQ(logo.bytesPerColumn, was.bytesPerColumn) << what;
    EXPECT_EQ(logo.changed, was.changed) << what;
    EXPECT_EQ(logo.file.name, was.fileName) << what;
    EXPECT_EQ(logo.file.type, was.fileType) << what;
    EXPECT_TRUE(logo.logo == was.logo) << what << ": logo image differs";
    EXPECT_TRUE(logo.grid == was.grid) << what << ": grid image differs";
}

// A left-button drag through grid cells, as the window feeds the mouse handler.
void stroke(LogoState& logo, const std::vector<QPoint>& cells, bool dark = true) {
    QString shell; // the "XY=" field
    for (QPoint cell : cells)
        handleEditorMouse(logo, shell, QPoint(25 + 10 * cell.x(), 25 + 10 * cell.y()),
                          dark ? MouseButtons::Left : MouseButtons::Right);
}

QImage noisyPicture(int w, int h, quint32 seed) {
    QImage picture(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, random.bounded(2) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return picture;
}

struct Change {
    const char* name;
    void (*run)(LogoState&);
};

class UndoEachChange : public ::testing::TestWithParam<Change> {};

// Before each change the logo holds a few dots, and it was saved (changed flag 0).
TEST_P(UndoEachChange, UndoneAndRedoneToTheExactImages) {
    LogoState logo;
    drawRows(logo, 40, 16,
             {"#..#", ".##.", "", "", "", "", "", "", "", "", "", "", "", "", "", "#######"});
    logo.changed = false;
    logo.file = {u("/p/a.bin"), u("bin"), u("/p/a.bin")};
    UndoHistory history;
    const Seen before = seen(logo);
    history.begin(logo);
    GetParam().run(logo);
    ASSERT_TRUE(history.end(logo)) << GetParam().name;
    const Seen after = seen(logo);

    ASSERT_TRUE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_TRUE(history.undo(logo).done);
    expectSame(logo, before, "undo");
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.redo(logo).done);
    expectSame(logo, after, "redo");
    EXPECT_TRUE(history.undo(logo).done);
    expectSame(logo, before, "undo again");
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UndoEachChange,
    ::testing::Values(Change{"stroke",
                             [](LogoState& l) {
                                 stroke(l, {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {3, 3}, {39, 15}});
                             }},
                      Change{"light stroke",
                             [](LogoState& l) {
                                 stroke(l, {{0, 15}, {1, 15}, {2, 15}}, false);
                             }},
                      Change{"invert", [](LogoState& l) { invertLogo(l); }},
                      Change{"clear", [](LogoState& l) { clearEditingArea(l); }},
                      Change{"new logo", [](LogoState& l) { makeBlankLogo(l, 63, 32); }},
                      Change{"wider",
                             [](LogoState& l) {
                                 resizeLogo(l, 100, l.height);
                                 l.changed = true;
                             }},
                      Change{"narrower and lower",
                             [](LogoState& l) {
                                 resizeLogo(l, 3, 8);
                                 l.changed = true;
                             }},
                      Change{"taller",
                             [](LogoState& l) {
                                 resizeLogo(l, l.width, 32);
                                 l.changed = true;
                             }},
                      Change{"bin load",
                             [](LogoState& l) {
                                 unpackColumns(l, QByteArray("\x01\x02\x03\x04\x05\x06", 6), 2, 3);
                                 l.file = {u("/p/b.bin"), u("bin"), u("/p/b.bin")};
                             }},
                      Change{"bmp load with its own colours",
                             [](LogoState& l) {
                                 QImage picture(20, 20, QImage::Format_RGB32);
                                 picture.fill(qRgb(100, 200, 200));
                                 picture.setPixel(3, 3, qRgb(10, 10, 10));
                                 showPicture(l, picture);
                                 l.file = {u("/p/c.bmp"), u("bmp"), u("/p/c.bmp")};
                             }},
                      Change{"wide bmp load",
                             [](LogoState& l) { showPicture(l, noisyPicture(819, 32, 5)); }},
                      Change{"converted picture",
                             [](LogoState& l) {
                                 ConversionOptions options;
                                 options.height = 24;
                                 loadConvertedLogo(
                                     l, convertPicture(noisyPicture(200, 50, 9), options));
                             }}),
    [](const ::testing::TestParamInfo<Change>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

TEST(UndoHistory, UndoOfAPictureLoadBringsBackTheFileAndSize) {
    LogoState logo;
    logo.file = {u("/p/a.bin"), u("bin"), u("/p/a.bin")};
    UndoHistory history;
    history.begin(logo);
    showPicture(logo, noisyPicture(300, 20, 1));
    logo.file = {u("/p/wide.bmp"), u("bmp"), u("/p/wide.bmp")};
    history.end(logo);
    const UndoOutcome undone = history.undo(logo);
    EXPECT_TRUE(undone.sizeChanged);
    EXPECT_TRUE(undone.fileChanged);
    EXPECT_EQ(logo.file.name, u("/p/a.bin"));
    EXPECT_EQ(logo.width, 64);
    EXPECT_EQ(logo.height, 24);
    EXPECT_EQ(logo.logo.size(), QSize(780, 32));
}

TEST(UndoHistory, UndoOfAStrokeLeavesALaterSaveAlone) {
    LogoState logo;
    UndoHistory history;
    history.begin(logo);
    stroke(logo, {{1, 1}});
    history.end(logo);
    // Saved under a name after the stroke: the file is not the stroke's to take back.
    logo.file = {u("/p/s.bin"), u("bin"), u("/p/s.bin")};
    logo.changed = false;
    const UndoOutcome undone = history.undo(logo);
    EXPECT_FALSE(undone.fileChanged);
    EXPECT_FALSE(undone.sizeChanged);
    EXPECT_EQ(logo.file.name, u("/p/s.bin"));
    EXPECT_FALSE(logo.changed);
    EXPECT_EQ(dotRows(logo)[1].substr(0, 3), "...");
}

TEST(UndoHistory, ChangedFlagComesBackWithEachStep) {
    LogoState logo;
    UndoHistory history;
    ASSERT_FALSE(logo.changed);
    history.begin(logo);
    stroke(logo, {{2, 2}});
    history.end(logo);
    EXPECT_TRUE(logo.changed);
    history.begin(logo);
    invertLogo(logo);
    history.end(logo);
    history.undo(logo);
    EXPECT_TRUE(logo.changed);
    history.undo(logo);
    EXPECT_FALSE(logo.changed);
    history.redo(logo);
    EXPECT_TRUE(logo.changed);
}

TEST(UndoHistory, StepsThatChangeNothingAreNotKept) {
    LogoState logo;
    UndoHistory history;
    history.begin(logo);
    EXPECT_FALSE(history.end(logo));
    // A press outside the logo's columns changes the flag only.
    history.begin(logo);
    stroke(logo, {{70, 3}});
    EXPECT_FALSE(history.end(logo));
    // A save: another file name, the flag cleared, no dot changed.
    history.begin(logo);
    logo.file = {u("/p/saved.bin"), u("bin"), u("/p/saved.bin")};
    logo.changed = false;
    EXPECT_FALSE(history.end(logo));
    // Painting a dark dot dark again.
    drawRows(logo, 10, 8, {"#"});
    history.begin(logo);
    stroke(logo, {{0, 0}});
    EXPECT_FALSE(history.end(logo));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(logo).done);
    EXPECT_FALSE(history.redo(logo).done);
}

TEST(UndoHistory, ANewStepDropsTheRedos) {
    LogoState logo;
    UndoHistory history;
    for (int i = 0; i < 3; ++i) {
        history.begin(logo);
        stroke(logo, {{i, 0}});
        history.end(logo);
    }
    history.undo(logo);
    history.undo(logo);
    EXPECT_EQ(history.redoCount(), 2);
    history.begin(logo);
    stroke(logo, {{5, 5}});
    history.end(logo);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoCount(), 2);
    EXPECT_EQ(dotRows(logo)[0].substr(0, 4), "#...");
    EXPECT_EQ(dotRows(logo)[5].substr(0, 6), ".....#");
}

TEST(UndoHistory, UndoEndsAStepLeftOpen) {
    LogoState logo;
    UndoHistory history;
    const Seen before = seen(logo);
    history.begin(logo);
    stroke(logo, {{4, 4}, {5, 4}});
    EXPECT_TRUE(history.isOpen());
    EXPECT_TRUE(history.undo(logo).done);
    EXPECT_FALSE(history.isOpen());
    expectSame(logo, before, "undo of the open stroke");
}

TEST(UndoHistory, ManyStepsUndoneAndRedoneInOrder) {
    LogoState logo;
    UndoHistory history;
    std::vector<Seen> states{seen(logo)};
    QRandomGenerator random(3);
    for (int i = 0; i < 12; ++i) {
        history.begin(logo);
        switch (i % 4) {
        case 0: {
            // One dot turned over, wherever the logo now is.
            const QPoint cell(static_cast<int>(random.bounded(logo.width)),
                              static_cast<int>(random.bounded(logo.height)));
            stroke(logo, {cell}, !isDark(logo.logo.pixel(cell)));
            break;
        }
        case 1:
            invertLogo(logo);
            break;
        case 2:
            resizeLogo(logo, 30 + i, 8 * (1 + i % 4));
            logo.changed = true;
            break;
        case 3:
            showPicture(logo, noisyPicture(10 + i, 5 + i, static_cast<quint32>(i)));
            break;
        }
        ASSERT_TRUE(history.end(logo)) << i;
        states.push_back(seen(logo));
    }
    for (int i = 11; i >= 0; --i) {
        history.undo(logo);
        expectSame(logo, states[static_cast<std::size_t>(i)], "undo");
    }
    for (int i = 1; i <= 12; ++i) {
        history.redo(logo);
        expectSame(logo, states[static_cast<std::size_t>(i)], "redo");
    }
}

TEST(UndoHistory, KeepsTheLastStepsUpToItsLimit) {
    LogoState logo;
    UndoHistory history(5);
    std::vector<Seen> states{seen(logo)};
    for (int i = 0; i < 8; ++i) {
        history.begin(logo);
        stroke(logo, {{i, i}});
        history.end(logo);
        states.push_back(seen(logo));
    }
    EXPECT_EQ(history.undoCount(), 5);
    while (history.canUndo())
        history.undo(logo);
    expectSame(logo, states[3], "oldest kept step undone");
}

TEST(UndoHistory, HoldsAtLeastAHundredFullLogoSteps) {
    LogoState logo;
    showPicture(logo, noisyPicture(819, 32, 11));
    const Seen start = seen(logo);
    UndoHistory history;
    for (int i = 0; i < 150; ++i) {
        history.begin(logo);
        invertLogo(logo);
        history.end(logo);
    }
    EXPECT_EQ(history.undoCount(), 150);
    EXPECT_LE(history.memoryBytes(), 32 * 1024 * 1024);
    while (history.canUndo())
        history.undo(logo);
    expectSame(logo, start, "150 inverts undone");
}

TEST(UndoHistory, MemoryStaysBoundedAfterAThousandStrokes) {
    LogoState logo;
    makeBlankLogo(logo, 250, 32);
    UndoHistory history;
    UndoHistory tight(1000, 64 * 1024);
    QRandomGenerator random(17);
    for (int i = 0; i < 1000; ++i) {
        history.begin(logo);
        tight.begin(logo);
        std::vector<QPoint> path;
        QPoint at(static_cast<int>(random.bounded(250)), static_cast<int>(random.bounded(32)));
        for (int j = 0; j < 30; ++j) {
            path.push_back(at);
            at += QPoint(static_cast<int>(random.bounded(3)) - 1,
                         static_cast<int>(random.bounded(3)) - 1);
        }
        stroke(logo, path, i % 3 != 0);
        history.end(logo);
        tight.end(logo);
    }
    EXPECT_EQ(history.undoCount(), 200);
    // Changed rectangles, not images: 200 strokes of the 8192 x 330 grid would take 2 GB.
    EXPECT_LT(history.memoryBytes(), 1024 * 1024);
    EXPECT_LE(tight.memoryBytes(), 64 * 1024);
    EXPECT_GT(tight.undoCount(), 50);
    EXPECT_LT(tight.undoCount(), 1000);
}

TEST(UndoHistory, ClearForgetsEverything) {
    LogoState logo;
    UndoHistory history;
    history.begin(logo);
    stroke(logo, {{1, 1}});
    history.end(logo);
    history.undo(logo);
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.memoryBytes(), 0);
}

} // namespace
