// Asks for the file password (template 2358): one attempt, result 1 only for the exact text.
#pragma once
#include "framework/Dialog.h"

#include <string>

class ClsPasswortDlg : public Dialog {
public:
    ClsPasswortDlg(HWND parent, HMODULE module, std::string passwort);

protected:
    void SetupWindow() override;
    bool CanClose() override;
    void OnCancel() override { CloseDialog(0); }

private:
    std::string passwort_;
};

// Makes FragePasswort run this dialog (start-up).
void InstallierePasswortDialog();
