// The list page: the appointments of a date range under date headings, with tab stops for
// time and text, optionally the linked address, and the long descriptions, over as many
// pages as needed.
#include "printing/PrintPages.h"

#include "addresses/ClsAdrListe.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "store/ClsListe.h"
#include "store/DatumText.h"
#include "views/AppointmentLine.h"
#include "views/DayHeading.h"

#include <vector>

namespace {

class ListWriter {
public:
    ListWriter(Canvas& canvas, const PageRect& a, int lineHeight, PageFeed& feed)
        : canvas_(canvas), a_(a), l_(lineHeight), feed_(feed), y_(a.Y) {
        normal_ = FontSpec{l_, 400, FontFamily::Swiss};
        bold_ = FontSpec{l_, 700, FontFamily::Swiss};
        const int w9 = canvas.MeasureText(std::string(LoadResString(IDS_LISTE_ADRESSE)).substr(0, 9), normal_).Cx;
        tabA_ = Width("12.12.1993  Mo    ");
        tabB_ = tabA_ + Width("22:22 - 22:22    ");
        columnC_ = tabB_ * 23 / 20;
        columnE_ = columnC_ + w9;
    }

    int Width(const std::string& text) { return canvas_.MeasureText(text, normal_).Cx; }
    bool Fits() const { return (y_ - a_.Y) + l_ <= a_.H; }

    void DateHeading(const Zeitpunkt& d) {
        Rule();
        const char sep = DatumTrenner();
        const bool dayFirst = TagZuerst();
        std::string text = Format("%2d%c%02d%c%4d  %s", dayFirst ? d.Tag : d.Monat, sep, dayFirst ? d.Monat : d.Tag,
                                  sep, d.Jahr, WeekdayName(Wochentag(d.Jahr, d.Monat, d.Tag), false).c_str());
        if (text[0] == ' ') text.erase(0, 1);
        canvas_.DrawText(a_.X + 2, y_ + l_ / 2, text, TextStyle{bold_});
        y_ += l_;
    }

    void AppointmentLine(const Termin& t) {
        std::string text = t.Hat(FlagOhneZeit) ? "\t" : Format("\t%2d:%02d", t.Start.Stunde, t.Start.Minute);
        if (!t.Hat(FlagOhneEnde)) text += Format(" - %2d:%02d", t.Ende.Stunde, t.Ende.Minute);
        if (text.size() > 3 && text[3] == ' ') text.erase(3, 1);
        Tabbed(text + "\t" + t.Kurzbeschr);
        y_ += l_;
    }

    // The label at column c, the address from column e, broken only after ", ".
    void Address(const std::string& line) {
        canvas_.DrawText(a_.X + columnC_, y_, std::string(LoadResString(IDS_LISTE_ADRESSE)).substr(0, 8),
                         TextStyle{normal_});
        std::string rest = line;
        while (!rest.empty()) {
            std::string piece = FitText(canvas_, normal_, rest, a_.W - columnE_);
            if (piece.size() < rest.size()) {
                const size_t comma = piece.rfind(", ");
                if (comma != std::string::npos) piece.erase(comma + 1);
                else if (piece.empty()) piece = rest.substr(0, 1);  // not even one character fits
            }
            canvas_.DrawText(a_.X + columnE_, y_, piece, TextStyle{normal_});
            y_ += l_;
            rest.erase(0, piece.size());
            if (rest.compare(0, 1, " ") == 0) rest.erase(0, 1);
        }
    }

    // Wrapped at blanks to the width from column c; a carriage return breaks the line.
    void Description(const std::string& text) {
        const int width = a_.W - columnC_;
        size_t pos = 0;
        while (pos < text.size() && Fits()) {
            size_t brk = text.find('\r', pos);
            std::string paragraph = text.substr(pos, brk == std::string::npos ? std::string::npos : brk - pos);
            std::string piece = FitText(canvas_, normal_, paragraph, width);
            if (piece.size() < paragraph.size()) {
                const size_t blank = piece.rfind(' ');
                if (blank != std::string::npos && blank > 0) piece.erase(blank);
                else if (piece.empty()) piece = paragraph.substr(0, 1);
            }
            canvas_.DrawText(a_.X + columnC_, y_, piece, TextStyle{normal_});
            y_ += l_;
            pos += piece.size();
            if (pos < text.size() && text[pos] == ' ') ++pos;
            else if (pos < text.size() && text[pos] == '\r') pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
        }
    }

    void PageBreakIfFull() {
        if ((y_ - a_.Y) + l_ <= a_.H) return;
        feed_.NextPage();
        y_ = a_.Y;
    }

    void Rule() { canvas_.Line(a_.X, y_ + l_ / 2, a_.X + a_.W, y_ + l_ / 2, PenSpec{}); }

private:
    // Like a tabbed text output: each tab moves on to the next stop a or b (from x) past
    // the text so far.
    void Tabbed(const std::string& text) {
        const int stops[] = {tabA_, tabB_};
        int x = a_.X + 2;
        size_t start = 0;
        while (true) {
            const size_t tab = text.find('\t', start);
            const std::string part = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
            if (!part.empty()) canvas_.DrawText(x, y_, part, TextStyle{normal_});
            if (tab == std::string::npos) break;
            x += Width(part);
            for (int stop : stops)
                if (a_.X + stop > x) {
                    x = a_.X + stop;
                    break;
                }
            start = tab + 1;
        }
    }

    Canvas& canvas_;
    PageRect a_;
    int l_;
    PageFeed& feed_;
    int y_;
    FontSpec normal_, bold_;
    int tabA_ = 0, tabB_ = 0, columnC_ = 0, columnE_ = 0;
};

}  // namespace

void DrawListPage(PaintContext& ctx, ClsAdrListe& adressen, Canvas& canvas, const PrintOptions& o, const PageRect& a,
                  PageFeed& feed) {
    canvas.Rectangle(a.X, a.Y, a.X + a.W, a.Y + a.H, PenSpec{});
    ListWriter out(canvas, a, o.FontHeight ? o.FontHeight : a.H / 60, feed);
    const int64_t last = DatumKey(o.EndDate);
    int64_t shownDate = -1;
    ctx.Liste.SucheTag(o.Date);
    Termin t;
    while (ctx.Liste.Hole(t, false) && DatumKey(t.Start) <= last) {
        if (DatumKey(t.Start) != shownDate) {
            shownDate = DatumKey(t.Start);
            out.DateHeading(t.Start);
        }
        out.AppointmentLine(t);
        if (o.Kind == PrintKind::ListWithAddresses && t.AdrId != 0)
            if (const Adresse* adr = adressen.Finde(t.AdrId)) out.Address(ClsAdrListe::Zeile(*adr, true));
        if (HasLongText(t)) out.Description(t.Beschr);
        out.PageBreakIfFull();
    }
    out.Rule();
}
