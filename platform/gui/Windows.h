// The few Win32 calls and types the program uses, on the window layer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TWinControl;

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
// A window is named by its control.
using HWND = TWinControl*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

struct POINT {
  int x;
  int y;
};
using TPoint = POINT;

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

constexpr UINT WM_APP = 0x8000;
constexpr UINT WM_NEXTDLGCTL = 0x0028;

// Places a message in the window's queue; the window's Dispatch receives it later.
BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
inline BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return PostMessage(hWnd, Msg, wParam, lParam);
}

// The process's working directory, without a trailing separator; returns its length, or
// the size needed (with the terminating zero) when the buffer is too small.
DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer);

// Milliseconds since the system started, wrapping at 2^32.
DWORD GetTickCount();

BOOL Beep(DWORD frequency, DWORD duration);
BOOL MessageBeep(UINT type);

// Message boxes
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_DEFBUTTON2 = 0x100;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
inline int MessageBoxA(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

// Window regions: a polygon that becomes the visible shape of a window.
using HRGN = struct WindowRegion*;
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
// The window takes the region over; a null region gives the whole window back.
int SetWindowRgn(HWND hWnd, HRGN region, BOOL redraw);
BOOL DeleteObject(HRGN region);
