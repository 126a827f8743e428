// The printout handed to the printer: the job title and one page drawn by the page painters
// on the printer's context. The page range offers no choice; only page 1 exists (the list
// breaks its own pages).
#pragma once
#include <windows.h>  // first: its DrawText macro must rename Canvas::DrawText everywhere alike

#include "printing/PrintOptions.h"
#include "printing/PrintPages.h"

#include <string>

class ClsAdrListe;

class ClsPrintout {
public:
    ClsPrintout(std::string title, PaintContext& ctx, ClsAdrListe& adressen, const PrintOptions& options);

    const std::string& Title() const { return title_; }
    // Min, max, from and to: all 0, the user is offered no page choice.
    void GetPageRange(int& minPage, int& maxPage, int& from, int& to) const { minPage = maxPage = from = to = 0; }
    bool HasPage(int page) const { return page == 1; }
    // Draws the page; `feed` ends the page and starts the next one on a page break.
    void PrintPage(int page, HDC dc, PageFeed& feed);

private:
    std::string title_;
    PaintContext& ctx_;
    ClsAdrListe& adressen_;
    PrintOptions options_;
};
