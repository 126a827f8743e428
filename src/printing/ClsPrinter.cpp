// ClsPrinter: the default printer from the profile, set-up through the common dialog, and
// the job loop with a modeless abort dialog.
#include "printing/ClsPrinter.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "printing/ClsPrintout.h"

#include <commdlg.h>

#include <vector>

PrinterName DefaultPrinter() {
    char entry[64] = "";
    GetProfileStringA("windows", "device", "", entry, sizeof entry);
    return SplitDeviceEntry(entry);
}

PrinterMetrics ReadMetrics(HDC dc) {
    PrinterMetrics m;
    m.DpiX = GetDeviceCaps(dc, LOGPIXELSX);
    m.DpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const auto tenthX = [&](int v) { return m.DpiX > 0 ? MulDiv(v, 254, m.DpiX) : 0; };
    const auto tenthY = [&](int v) { return m.DpiY > 0 ? MulDiv(v, 254, m.DpiY) : 0; };
    m.OffsetX = tenthX(GetDeviceCaps(dc, PHYSICALOFFSETX));
    m.OffsetY = tenthY(GetDeviceCaps(dc, PHYSICALOFFSETY));
    m.PageWidth = tenthX(GetDeviceCaps(dc, PHYSICALWIDTH));
    m.PageHeight = tenthY(GetDeviceCaps(dc, PHYSICALHEIGHT));
    m.PrintableWidthMm = GetDeviceCaps(dc, HORZSIZE);
    m.PrintableHeightMm = GetDeviceCaps(dc, VERTSIZE);
    return m;
}

ClsPrinter::~ClsPrinter() {
    if (devMode_) GlobalFree(devMode_);
    if (devNames_) GlobalFree(devNames_);
}

void ClsPrinter::Setup(HWND owner) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    pd.hDevMode = devMode_;
    pd.hDevNames = devNames_;
    pd.Flags = PD_PRINTSETUP;
    PrintDlgA(&pd);
    // Kept whether chosen or cancelled: the dialog may have replaced the handles either way.
    devMode_ = pd.hDevMode;
    devNames_ = pd.hDevNames;
}

HDC ClsPrinter::CreateDc() const {
    if (devNames_) {
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames_));
        const char* base = reinterpret_cast<const char*>(names);
        const auto* mode = devMode_ ? static_cast<const DEVMODEA*>(GlobalLock(devMode_)) : nullptr;
        HDC dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
        if (devMode_) GlobalUnlock(devMode_);
        GlobalUnlock(devNames_);
        if (dc) return dc;
    }
    const PrinterName p = DefaultPrinter();
    return p.Valid() ? CreateDCA(p.Driver.c_str(), p.Device.c_str(), nullptr, nullptr) : nullptr;
}

namespace {

// The job in progress: the abort procedure gets only the context, so the one job of the
// user-interface thread is found here while it runs.
struct AbortDialog {
    HWND Wnd = nullptr;
    bool Cancelled = false;
};
thread_local AbortDialog* currentJob = nullptr;

INT_PTR CALLBACK AbortDlgProc(HWND wnd, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL && currentJob) {
        currentJob->Cancelled = true;
        EnableWindow(GetDlgItem(wnd, IDCANCEL), FALSE);
        return TRUE;
    }
    return FALSE;
}

BOOL CALLBACK AbortProc(HDC, int) {
    MSG msg;
    while (currentJob && !currentJob->Cancelled && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!currentJob->Wnd || !IsDialogMessageA(currentJob->Wnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return currentJob && !currentJob->Cancelled;
}

// StartPage/EndPage around each page; a page break of the printout ends one and starts the next.
class JobPages : public PageFeed {
public:
    explicit JobPages(HDC dc) : dc_(dc) {}
    void NextPage() override {
        if (EndPage(dc_) <= 0 || StartPage(dc_) <= 0) failed_ = true;
    }
    bool Failed() const { return failed_; }

private:
    HDC dc_;
    bool failed_ = false;
};

}  // namespace

bool ClsPrinter::Print(HWND parent, ClsPrintout& printout) {
    PrinterDc dc(CreateDc());
    if (!dc.Get()) return false;
    AbortDialog job;
    // Its template lives in the resource library with every other one.
    job.Wnd = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_DRUCKABBRUCH), parent, AbortDlgProc, 0);
    if (job.Wnd) SetDlgItemTextA(job.Wnd, IDC_DRUCKABBRUCH_TITEL, printout.Title().c_str());
    if (parent) EnableWindow(parent, FALSE);
    currentJob = &job;
    SetAbortProc(dc.Get(), AbortProc);

    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = printout.Title().c_str();
    bool ok = StartDocA(dc.Get(), &doc) > 0;
    if (ok) {
        JobPages pages(dc.Get());
        for (int page = 1; ok && printout.HasPage(page) && !job.Cancelled; ++page) {
            ok = StartPage(dc.Get()) > 0;
            if (ok) printout.PrintPage(page, dc.Get(), pages);
            ok = ok && !pages.Failed() && EndPage(dc.Get()) > 0;
        }
        if (ok && !job.Cancelled) EndDoc(dc.Get());
        else AbortDoc(dc.Get());
    }
    currentJob = nullptr;
    if (parent) EnableWindow(parent, TRUE);
    if (job.Wnd) DestroyWindow(job.Wnd);
    return ok && !job.Cancelled;
}
