// ApplyDialogLayout on real dialogs made from the templates of layout_test.rc.
#include "app/dialog_layout.h"

#include <gtest/gtest.h>

namespace veloranth::app {
namespace {

INT_PTR CALLBACK Passive(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

HWND MakeDialog(int templateId) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                              Passive, 0);
}

bool Apply(HWND dialog, int templateId) {
    return ApplyDialogLayout(GetModuleHandleW(nullptr), dialog, templateId);
}

RECT ClientRectOf(HWND dialog, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
    RECT r = {x, y, x + cx, y + cy};
    MapDialogRect(dialog, &r);
    return r;
}

void ExpectAt(HWND dialog, int id, RECT expected) {
    RECT r = ClientRectOf(dialog, id);
    EXPECT_EQ(r.left, expected.left) << id;
    EXPECT_EQ(r.top, expected.top) << id;
    EXPECT_EQ(r.right, expected.right) << id;
}

TEST(ApplyDialogLayout, MovesEveryControlAndReloadsItsContent) {
    HWND dialog = MakeDialog(900);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, 10, L"changed");
    SendDlgItemMessageW(dialog, 13, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"a"));
    SendDlgItemMessageW(dialog, 13, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"b"));
    SendDlgItemMessageW(dialog, 13, CB_SETCURSEL, 1, 0);

    EXPECT_TRUE(Apply(dialog, 902));
    ExpectAt(dialog, 10, DialogUnits(dialog, 100, 12, 60, 10));
    ExpectAt(dialog, 11, DialogUnits(dialog, 100, 40, 60, 10));
    RECT icon = ClientRectOf(dialog, 12);  // moved, as big as its icon
    EXPECT_EQ(icon.left, DialogUnits(dialog, 12, 12, 0, 0).left);
    EXPECT_EQ(icon.right - icon.left, GetSystemMetrics(SM_CXICON));
    wchar_t text[32];
    GetDlgItemTextW(dialog, 10, text, 32);
    EXPECT_STREQ(text, L"First");
    EXPECT_EQ(SendDlgItemMessageW(dialog, 13, CB_GETCURSEL, 0, 0), 1);
    DestroyWindow(dialog);
}

// What cannot be applied leaves what was there: an icon that cannot be loaded, a missing
// template; a missing control gives false but the others move. Controls of id -1 are
// matched in turn, not by id, where the first would take the second's place.
TEST(ApplyDialogLayout, WhatCannotBeAppliedIsLeftAsItWas) {
    HWND dialog = MakeDialog(900);
    auto icon = [&] { return SendDlgItemMessageW(dialog, 12, STM_GETIMAGE, IMAGE_ICON, 0); };
    const LRESULT before = icon();
    ASSERT_NE(before, 0);
    EXPECT_TRUE(Apply(dialog, 903));
    EXPECT_EQ(icon(), before);
    EXPECT_TRUE(Apply(dialog, 902));  // a loadable icon replaces it
    EXPECT_NE(icon(), before);
    const RECT moved = ClientRectOf(dialog, 10);
    EXPECT_FALSE(Apply(dialog, 999));
    ExpectAt(dialog, 10, moved);
    EXPECT_FALSE(Apply(dialog, 904));
    ExpectAt(dialog, 10, DialogUnits(dialog, 10, 10, 50, 8));
    DestroyWindow(dialog);

    dialog = MakeDialog(901);
    EXPECT_TRUE(Apply(dialog, 901));
    ExpectAt(dialog, 0xFFFF, DialogUnits(dialog, 10, 10, 50, 8));
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace veloranth::app
