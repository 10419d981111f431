#pragma once
#include <windows.h>

#include <string>

// Opening the program's help, velmira.chm, in the platform's HTML Help viewer.

// The viewer's entry point, HtmlHelpW. Taken from hhctrl.ocx at run time, so the program needs no import
// library and still runs where the help engine is missing.
using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

// hhctrl.ocx's HtmlHelpW from the system folder, loaded on first use and kept for the life of the process
// (the help window runs inside it); nullptr when the library or the function is missing.
HtmlHelpFunction loadHtmlHelp();

// velmira.chm in the folder of the running program, where the build and the installation put it.
std::wstring helpFileBesideProgram();

// Opens the help file with its search tab in front ("トピックの検索"). False when the file is missing or the
// viewer could not show it; the caller tells the user.
bool openHelpSearch(HWND owner, const std::wstring& chmPath);
// The same through a given entry point, so tests can stand in for the viewer.
bool openHelpSearch(HWND owner, const std::wstring& chmPath, HtmlHelpFunction htmlHelp);

// Closes the help windows this process opened; for the end of the program, before hhctrl.ocx goes away.
void closeHelpWindows();
