// The walk over an in-memory dialog template (DLGTEMPLATE and its items, 16-bit words,
// each item on a 4-byte boundary), bounded by the resource's size so that a damaged
// template is never read past its end.
#include "app/dialog_layout.h"

#include <cstdint>
#include <vector>

namespace veloranth::app {

namespace {

class TemplateReader {
  public:
    TemplateReader(const BYTE* base, DWORD size) : base_(base), size_(size) {}

    bool Ok() const { return ok_; }
    std::size_t Offset() const { return offset_; }
    const BYTE* At(std::size_t offset) const { return base_ + offset; }

    void AlignTo4() { offset_ = (offset_ + 3) & ~static_cast<std::size_t>(3); }
    void Skip(std::size_t bytes) {
        if (offset_ + bytes > size_) {
            ok_ = false;
            offset_ = size_;
        } else {
            offset_ += bytes;
        }
    }
    WORD Word() {
        if (offset_ + 2 > size_) {
            ok_ = false;
            return 0;
        }
        WORD w = static_cast<WORD>(base_[offset_] | (base_[offset_ + 1] << 8));
        offset_ += 2;
        return w;
    }
    // A string or an ordinal field.
    TemplateField Field() {
        std::size_t start = offset_;
        WORD first = Word();
        if (first == 0xFFFF) {
            return {true, Word(), nullptr};
        }
        while (ok_ && first != 0) {
            first = Word();
        }
        return {false, 0, ok_ ? reinterpret_cast<const wchar_t*>(base_ + start) : L""};
    }

  private:
    const BYTE* base_;
    DWORD size_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

// The predefined control classes as a template names them (0xFFFF and the atom).
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kListBoxAtom = 0x0083;
constexpr WORD kComboBoxAtom = 0x0085;

bool IsStaticOrButton(const TemplateField& cls) {
    return cls.isOrdinal && (cls.ordinal == kButtonAtom || cls.ordinal == kStaticAtom);
}

}  // namespace

void ReloadControlContent(HINSTANCE instance, HWND control, const DLGITEMTEMPLATE& item,
                          const TemplateField& className, const TemplateField& title) {
    if (!className.isOrdinal) {
        return;
    }
    if (IsStaticOrButton(className) && title.isOrdinal && (item.style & SS_ICON) == SS_ICON) {
        HANDLE old = reinterpret_cast<HANDLE>(SendMessageW(control, STM_GETIMAGE, IMAGE_ICON, 0));
        HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(title.ordinal),
                                                   IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        if (icon != nullptr) {
            SendMessageW(control, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
            DestroyIcon(static_cast<HICON>(old));
        }
    } else if (IsStaticOrButton(className) && title.isOrdinal &&
               (item.style & SS_BITMAP) == SS_BITMAP) {
        HANDLE old = reinterpret_cast<HANDLE>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
        HBITMAP bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(title.ordinal));
        if (bitmap != nullptr) {
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
            DeleteObject(old);
        }
    } else if (IsStaticOrButton(className) && !title.isOrdinal) {
        SetWindowTextW(control, title.text);
    } else if (className.ordinal == kListBoxAtom) {
        LRESULT selected = SendMessageW(control, LB_GETCURSEL, 0, 0);
        if (selected != LB_ERR) {
            SendMessageW(control, LB_SETCURSEL, selected, 0);
        }
    } else if (className.ordinal == kComboBoxAtom) {
        LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR) {
            SendMessageW(control, CB_SETCURSEL, selected, 0);
        }
    }
}

BOOL ApplyDialogLayout(HINSTANCE instance, HWND dialog, int templateId) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const BYTE* base = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(instance, found) : 0;
    if (base == nullptr || size < sizeof(DLGTEMPLATE)) {
        return FALSE;
    }
    TemplateReader reader(base, size);
    DWORD style = *reinterpret_cast<const DWORD*>(base);
    reader.Skip(8);
    WORD count = reader.Word();
    HDWP positions = BeginDeferWindowPos(count);
    if (positions == nullptr) {
        return FALSE;
    }
    reader.Skip(8);  // x, y, cx, cy
    reader.Field();  // menu
    reader.Field();  // class
    reader.Field();  // title
    if (style & DS_SETFONT) {
        reader.Word();   // point size
        reader.Field();  // typeface
    }

    // The dialog's controls in template order: the i-th item is the i-th control when their
    // ids agree, so that several controls without an id (0xFFFF) each find their own.
    std::vector<HWND> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        controls.push_back(c);
    }
    BOOL result = TRUE;
    int unnamed = 0;  // controls with the id 0xFFFF found by id alone
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignTo4();
        std::size_t itemStart = reader.Offset();
        reader.Skip(sizeof(DLGITEMTEMPLATE));
        if (!reader.Ok()) {
            result = FALSE;
            break;
        }
        DLGITEMTEMPLATE item;
        memcpy(&item, reader.At(itemStart), sizeof item);
        TemplateField className = reader.Field();
        TemplateField title = reader.Field();
        WORD extra = reader.Word();
        // The creation-data size counts its own word: the next item begins that many bytes
        // from it, or right after it when there is none.
        if (extra > 2) {
            reader.Skip(extra - 2);
        }

        bool inOrder = i < controls.size() && GetDlgCtrlID(controls[i]) == item.id;
        HWND control = inOrder ? controls[i] : GetDlgItem(dialog, item.id);
        RECT r = {item.x, item.y, item.x + item.cx, item.y + item.cy};
        if (control == nullptr || !MapDialogRect(dialog, &r)) {
            result = FALSE;
            continue;
        }
        // A template size of 0 x 0 (an icon static) means "as its content": it keeps its size.
        UINT flags = SWP_NOZORDER | (item.cx == 0 && item.cy == 0 ? SWP_NOSIZE : 0);
        HDWP next = positions ? DeferWindowPos(positions, control, nullptr, r.left, r.top,
                                               r.right - r.left, r.bottom - r.top, flags)
                              : nullptr;
        if (next == nullptr) {
            // The deferred batch is lost: place this one at once and carry on.
            result = FALSE;
            SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         flags);
        }
        positions = next;
        ReloadControlContent(instance, control, item, className, title);
        unnamed += !inOrder && item.id == 0xFFFF;
    }
    if (!reader.Ok()) {
        result = FALSE;
    }
    if (positions == nullptr || !EndDeferWindowPos(positions)) {
        result = FALSE;
    }
    return unnamed >= 2 ? FALSE : result;
}

}  // namespace veloranth::app
