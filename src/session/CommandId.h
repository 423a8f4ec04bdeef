#pragma once

namespace nimbrel::session {

// Every menu command and shortcut. The numbers are the menu identifiers the program has always
// used; the command table in the window layer gives each its text, start state and routine.
enum class CommandId : int {
    OpenPort = 2,
    ClosePort = 3,
    ShowMarkWindow = 7,
    ShowGraphicsWindow = 8,
    Exit = 9,
    NewMark = 10,
    OpenMark = 11,
    ReadCurrentMark = 12,
    SaveMarkChanges = 13,
    SaveMarkAs = 14,
    WriteMark = 15,
    WriteFragment = 17,
    ReadMark = 18,
    MarkArea = 19,
    NewLogo = 20,
    OpenLogo = 21,
    SaveLogoChanges = 22,
    SaveLogoAs = 23,
    LogoArea = 24,
    ReadLogo = 25,
    WriteLogo = 26,
    WriteGraphicMark = 27,
    ReadBitmap = 28,
    DeleteLogo = 29,
    LogoWidth = 30,
    LogoHeight = 31,
    InvertLogo = 32,
    ClearLogo = 34,
    CountDots = 35,
    HelpAbout = 40,
    HelpConnection = 41,
    HelpFormats = 42,
    HelpShortcuts = 43,
    SetClock = 50,
    SetDateOffset = 51,
    SetLineCount = 52,
    PrintModeReport = 53,
    Version = 54,
    SettingsReport = 55,
    ReadFragment = 56,
    WorkingHours = 60,
    PrintedCount = 61,
    BackUpPrinter = 70,
    RestorePrinter = 71,
    // Shortcuts without a menu item of their own.
    GraphicsViewKey = 100,
    MarkViewKey = 101,
    ConnectKey = 102,
    ExitKey = 103,
    SettingsReportKey = 104,
    // "Язык / Language"
    LanguageRussian = 120,
    LanguageEnglish = 121,
    // "установки сом-порта"
    Line115200 = 110,
    Line57600 = 111,
    Line38400 = 112,
    Line28800 = 113,
    Line19200 = 114,
    Line14400 = 115,
    Line9600 = 116,
};

constexpr int idNumber(CommandId id) {
    return static_cast<int>(id);
}

} // namespace nimbrel::session
