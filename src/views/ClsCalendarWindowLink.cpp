// ClsCalendarWindow::LinkAddress: the address book in link mode for the clicked appointment.
#include "views/ClsCalendarWindow.h"

#include "core/Host.h"
#include "dialogs/AdressRegeln.h"
#include "dialogs/ClsAdressenDlg.h"
#include "document/Dokument.h"

void ClsCalendarWindow::LinkAddress() {
    const int slot = Locate(doc_.Liste, input_.Hit);
    if (slot < 0 || input_.Hit.Copy.Hat(FlagJahresKopie)) {
        GetHost().Beep();
        return;
    }
    const INT_PTR ergebnis = RunAdressenDlg(Handle(), doc_.AdrListe, doc_.Liste.Satz(slot).AdrId);
    if (ergebnis <= 0) return;  // 0: leave the link; -1: the dialog did not open
    const auto nummer = static_cast<uint16_t>(ergebnis);
    // Looked up again: the dialog left the message loop running.
    const int now = Locate(doc_.Liste, input_.Hit);
    if (now < 0) return;
    doc_.Liste.Satz(now).AdrId = nummer == AdrNummer::KeinVerweis ? 0 : nummer;
    input_.Hit = RefTo(doc_.Liste, now);
    doc_.Liste.SetzeGeaendert();
    AppointmentChanged();
    Invalidate(true);
}
