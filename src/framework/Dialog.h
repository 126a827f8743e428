// Modal dialog from a numbered template of a resource module, with a set-up hook that
// fills the controls, a close hook that reads them back, and control helpers.
#pragma once
#include <windows.h>

#include <string>

class Window;

class Dialog {
public:
    Dialog(HWND parent, int templateId, HMODULE module);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog; returns the result code (IDOK, IDCANCEL, ...) or -1 on failure.
    INT_PTR Execute();
    HWND Handle() const { return hwnd_; }

    // Control helpers.
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    bool IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void SetChecked(int id, bool on) { CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED); }
    void EnableItem(int id, bool on) { EnableWindow(Item(id), on); }
    void FocusItem(int id) { SetFocus(Item(id)); }
    void LimitText(int id, int chars) { SendDlgItemMessageA(hwnd_, id, EM_LIMITTEXT, chars, 0); }
    // List and combo boxes.
    int ListAdd(int id, const std::string& text);
    void ListClear(int id);
    int ListSelection(int id) const;
    void ListSelect(int id, int index);
    int ComboAdd(int id, const std::string& text);
    void ComboClear(int id);
    int ComboSelection(int id) const;
    void ComboSelect(int id, int index);

    void CloseDialog(INT_PTR result) { EndDialog(hwnd_, result); }

protected:
    virtual void SetupWindow() {}
    // OK pressed: read the controls back; false keeps the dialog open.
    virtual bool CanClose() { return true; }
    // Control notifications and commands other than OK/Cancel; true when handled.
    virtual bool OnCommand(int /*id*/, int /*notify*/, HWND /*control*/) { return false; }
    // Other messages; true when handled.
    virtual bool HandleMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& /*result*/) {
        return false;
    }
    virtual void OnCancel() { CloseDialog(IDCANCEL); }

    bool Filling = false;  // set while the dialog writes its own controls

private:
    static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR DialogProc(UINT msg, WPARAM wp, LPARAM lp);

    HWND parent_;
    int templateId_;
    HMODULE module_;
    HWND hwnd_ = nullptr;
};
