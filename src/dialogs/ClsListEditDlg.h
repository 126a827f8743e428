// The generic list-editing dialog: a list (or drop-down list) of entries, edit fields for one
// entry and the buttons Add, Change, Delete and New. Tracks whether the fields were edited,
// show an entry of the list, and whether anything was added, changed or deleted (the result).
// Edits 200-299 and buttons 300-399 count as the entry's fields.
#pragma once
#include "framework/Dialog.h"

class ClsListEditDlg : public Dialog {
public:
    ClsListEditDlg(HWND parent, int templateId);

protected:
    void SetupWindow() override;
    bool OnCommand(int id, int notify, HWND control) override;
    void OnCancel() override;  // Close (2): ends with Result() once CanClose allows

    // True when the fields may be left: unsaved edits are discarded only after question 1152.
    bool CanClose() override;
    virtual void DeleteEntry() { changed_ = true; }
    virtual void ClearFields() {}
    // Reads the fields into a new entry; false (after its message) adds nothing.
    virtual bool AddFromFields() { return true; }
    // Checks the fields before Change deletes the entry they replace; false after a message.
    virtual bool FieldsValid() { return true; }
    virtual void Refresh() {}
    virtual void UpdateButtons();
    virtual void AfterSetup() {}
    virtual bool LoadEntry(int /*index*/) { return false; }
    virtual bool CanAdd() { return true; }
    virtual bool CanChange() { return true; }
    virtual bool CanDelete() { return true; }
    virtual void Help();
    virtual INT_PTR Result() { return changed_; }

    bool Changed() const { return changed_; }
    void SetChanged() { changed_ = true; }
    bool ChangeMode() const { return changeMode_; }
    bool Modified() const { return modified_; }
    void MarkModified();  // a field of the entry was edited

private:
    void Add();
    void Change();
    void New();
    void Load(int index);

    bool modified_ = false;
    bool existingLoaded_ = false;
    bool changed_ = false;
    bool changeMode_ = false;
};
