#pragma once

// Logos: the logo editor, its files, the cutting of wide pictures, the logo transfers and the
// current-mark bitmap. Commands are in LogoCommands.h; the pure codecs in LogoBlock.h,
// LogoFiles.h and LogoSplit.h; the editor in LogoEditor.h and EditorMouse.h.
namespace nimbrel::logos {}
