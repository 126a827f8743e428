// The printer object: the default printer named by the profile entry "device", its device
// context and metrics, the printer set-up dialog, and the print job loop with its abort
// dialog.
#pragma once
#include "printing/PrintOptions.h"

#include <windows.h>

#include <string>

class ClsPrintout;

PrinterName DefaultPrinter();  // at most 63 characters of the entry are read

// An information or printer context, deleted with the object.
class PrinterDc {
public:
    explicit PrinterDc(HDC dc = nullptr) : dc_(dc) {}
    ~PrinterDc() {
        if (dc_) DeleteDC(dc_);
    }
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Offset, physical page and printable size of the context's printer.
PrinterMetrics ReadMetrics(HDC dc);

class ClsPrinter {
public:
    ClsPrinter() = default;
    ~ClsPrinter();
    ClsPrinter(const ClsPrinter&) = delete;
    ClsPrinter& operator=(const ClsPrinter&) = delete;

    // The printer's own set-up dialog; the choice is kept for the next jobs.
    void Setup(HWND owner);
    // A context of the chosen printer (the default one until set-up chose another).
    HDC CreateDc() const;
    // Prints the printout's pages as one job without the printer selection dialog, with the
    // abort dialog over `parent`. False when the job failed or was cancelled.
    bool Print(HWND parent, ClsPrintout& printout);

private:
    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};
