// DrawDayView: row placement with the full-column shift, time labels, markers, tick marks,
// duration lines with their carry into the afternoon, and the untimed area.
#include "views/DayView.h"

#include "settings/Settings.h"
#include "store/ClsListe.h"
#include "store/DatumText.h"
#include "core/TextFormat.h"
#include "views/AppointmentLine.h"
#include "views/DayHeading.h"
#include "views/OverflowMarker.h"
#include "views/ViewState.h"

namespace {

constexpr int RowCount = 24;
constexpr int UntimedBlock = 2;
constexpr int UntimedLast = 22;  // entries 23 and 24 of block 2 cover the whole area

struct Row {
    Termin Satz;  // a blank record with the row's time, or the appointment shown
    int32_t Ref = HitEntry::NoAppointment;
    bool HoldsText() const { return Satz.Kurzbeschr[0] != '\0'; }
    bool HoldsAppointment() const { return Ref != HitEntry::NoAppointment; }
};

int MinuteOfDay(const Zeitpunkt& z) { return z.Stunde * 60 + z.Minute; }

// "%2d:%02d" with the leading blank removed.
std::string TimeLabel(const Zeitpunkt& z) {
    std::string s = ZeitText(z.Stunde, z.Minute, true);
    if (!s.empty() && s[0] == ' ') s.erase(0, 1);
    return s;
}

class DayPainter {
public:
    DayPainter(PaintContext& ctx, Canvas& c, int x, int y, int w, int h, int rowHeight, const Zeitpunkt& day,
               ViewTarget target)
        : ctx_(ctx), liste_(ctx.Liste), grid_(ctx.Config), c_(c), x_(x), y_(y), w_(w), h_(h), rowH_(rowHeight),
          day_(day), target_(target),
          screen_(IsScreen(target)), ux_(c.UnitX()), uy_(c.UnitY()), colW_(w / 2),
          headH_(rowHeight * 3 / 2), pitch_(rowHeight - uy_),
          tgb_(y + headH_ + RowCount * rowHeight - (RowCount - 1) * uy_),
          normalFont_{rowHeight, 400, FontFamily::Swiss},
          rowFont_{rowHeight, screen_ ? 700 : 400, FontFamily::Swiss} {}

    void Paint();

private:
    void Frame();
    void Heading();
    void Column(int column);
    void ResetRows(int column);
    void PlaceTimed(const Termin& t, int32_t ref, int column, int& i);
    void DrawUntimed(const Termin& t, int32_t ref);
    void DrawRows(int column, int x1);
    int LineEnd(int column, int fromRow, int mid, const Termin& t);
    void DurationLine(int lineX, int top, int bottom, const Termin& t);
    std::string CutWithMarkers(const Termin& t, int limit);
    void Rule(int x0, int y0, int x1, int y1) { c_.Line(x0, y0, x1, y1, PenSpec{ux_, Rgb{}}); }

    Rgb Colour(const Termin& t) const { return AppointmentColour(ctx_.Config.Look.Farben, t, ctx_.View.Now); }

    PaintContext& ctx_;
    ClsListe& liste_;
    const Settings& grid_;  // time grid: StartAM, StartPM, StepAM, StepPM
    Canvas& c_;
    const int x_, y_, w_, h_, rowH_;
    const Zeitpunkt day_;
    const ViewTarget target_;
    const bool screen_;
    const int ux_, uy_, colW_, headH_, pitch_, tgb_;
    const FontSpec normalFont_, rowFont_;
    int w6_ = 0, w7_ = 0, w8_ = 0, w9_ = 0, markerW_ = 0;
    Row rows_[RowCount];
    Termin carry_;
    bool hasCarry_ = false;
    int untimedX_ = 0, untimedY_ = 0, untimedEntry_ = 0;
    int previousEnd_ = 0;  // minute of day; zero once for the whole day
};

void DayPainter::Paint() {
    ctx_.View.Grid.TimeGridBottom = tgb_;
    Frame();
    Heading();

    w9_ = c_.MeasureText("88:88    ", normalFont_).Cx;
    w6_ = c_.MeasureText("88:88 ", normalFont_).Cx;
    w7_ = c_.MeasureText("88:88  ", normalFont_).Cx;
    w8_ = c_.MeasureText("88:88   ", normalFont_).Cx;
    markerW_ = screen_ ? c_.MeasureText(MarkerBoth, normalFont_).Cx : 0;

    if (screen_) {
        Zeitpunkt noDate;
        ctx_.View.Hits.Set(UntimedBlock, 23, x_, tgb_, w_, h_ - (tgb_ - y_), noDate);
        ctx_.View.Hits.Set(UntimedBlock, HitGrid::WholeCell, x_, tgb_, w_, h_ - (tgb_ - y_), day_);
    }
    const bool saved = liste_.MerkePosition();
    liste_.SucheTag(day_);
    untimedX_ = x_ + 4 * ux_;
    untimedY_ = tgb_ + uy_;
    untimedEntry_ = 0;  // one list for the day: an untimed record after StartPM adds to it
    hasCarry_ = false;
    previousEnd_ = 0;
    Column(0);
    Column(1);
    if (saved) liste_.HolePosition();
}

void DayPainter::Frame() {
    const PenSpec pen;
    for (int ly : {y_, y_ + h_, y_ + headH_, tgb_}) c_.Line(x_, ly, x_ + w_, ly, pen);
    for (int lx : {x_, x_ + w_}) c_.Line(lx, y_, lx, y_ + h_, pen);
    c_.Line(x_ + colW_, y_ + headH_, x_ + colW_, tgb_, pen);
}

void DayPainter::Heading() {
    const DayHeading head = LookUpDayHeading(ctx_, day_);
    const Rgb colour = ViewColour(target_, head.Colour);
    const FontSpec big{headH_, 700, FontFamily::Roman};
    const std::string date = LangesDatum(day_.Tag, day_.Monat, day_.Jahr) + " ";
    // On paper the heading font is large: the full name only where it ends before the date.
    bool full = screen_ || w_ > 1499;
    if (full && !screen_)
        full = 4 + c_.MeasureText(WeekdayName(head.Weekday, true), big).Cx <= colW_ - c_.MeasureText(date, big).Cx / 2;
    c_.DrawText(x_ + 4, y_, WeekdayName(head.Weekday, full), TextStyle{big, colour});
    c_.DrawText(x_ + colW_, y_, date, TextStyle{big, colour, TextAlign::Center});
    c_.DrawText(x_ + 2 * colW_ - 4 * ux_, y_ + uy_, head.Holiday.empty() ? Format("%3d", head.DayOfYear) : head.Holiday,
                TextStyle{FontSpec{rowH_ * 3 / 4, 700, FontFamily::Swiss}, colour, TextAlign::Right});
}

void DayPainter::ResetRows(int column) {
    const int start = column == 0 ? grid_.StartAM : grid_.StartPM;
    const int step = column == 0 ? grid_.StepAM : grid_.StepPM;
    for (int i = 0; i < RowCount; ++i) {
        const int minutes = start + i * step;
        rows_[i] = Row{};
        rows_[i].Satz.Start = MachZeitpunkt(day_.Jahr, day_.Monat, day_.Tag, minutes / 60, minutes % 60);
    }
}

void DayPainter::Column(int column) {
    ResetRows(column);
    int i = 0;
    Termin probe;
    probe.Start = day_;
    while (const Termin* p = liste_.Hole(probe, true)) {
        if (column == 0 && MinuteOfDay(probe.Start) >= grid_.StartPM) {
            liste_.Voriger();  // the afternoon column takes it
            break;
        }
        const int32_t ref = SlotIndex(liste_, p);
        if (probe.Hat(FlagOhneZeit)) DrawUntimed(probe, ref);
        else PlaceTimed(probe, ref, column, i);
    }
    const int x1 = x_ + 4 * ux_ + column * colW_;
    if (column == 1 && hasCarry_ && carry_.Ende.Stunde != 0) {
        const int top = y_ + headH_;
        const int mid0 = top + (rowH_ + uy_) / 2;
        const int end = LineEnd(column, 0, mid0, carry_);
        if (end > top) DurationLine(x1 + w7_, top, end, carry_);
    }
    DrawRows(column, x1);
}

void DayPainter::PlaceTimed(const Termin& t, int32_t ref, int column, int& i) {
    while (i < RowCount - 1 && CompareZeitpunkt(rows_[i].Satz.Start, t.Start) < 0) ++i;
    while (i < RowCount - 1 && rows_[i].HoldsText()) ++i;
    if (i == RowCount - 1 && rows_[i].HoldsText()) {
        int d = 0;
        while (d < RowCount && rows_[d].HoldsText()) ++d;
        if (d == RowCount) {
            DrawOverflowMarker(c_, x_ + (column + 1) * colW_ - ux_, tgb_ - uy_, rowH_);
        } else {
            for (int k = d; k < RowCount - 1; ++k) rows_[k] = rows_[k + 1];
        }
    }
    rows_[i].Satz = t;
    rows_[i].Ref = ref;
    if (i < RowCount - 1) ++i;
}

std::string DayPainter::CutWithMarkers(const Termin& t, int limit) {
    const int reserve = HasLongText(t) || HasAddress(t) ? markerW_ : 0;
    // Characters are dropped while the width is at least the limit.
    std::string text = FitText(c_, rowFont_, t.Kurzbeschr, limit - reserve - 1);
    if (screen_) text += Markers(t);
    return text;
}

void DayPainter::DrawUntimed(const Termin& t, int32_t ref) {
    if (x_ + w_ < untimedX_ || y_ + h_ < untimedY_ + rowH_) {
        DrawOverflowMarker(c_, x_ + w_, y_ + h_, rowH_);
        return;
    }
    const std::string text = CutWithMarkers(t, colW_ - 8 * ux_);
    c_.DrawText(untimedX_, untimedY_, text, TextStyle{rowFont_, ViewColour(target_, Colour(t))});
    if (screen_ && untimedEntry_ <= UntimedLast)
        ctx_.View.Hits.Set(UntimedBlock, untimedEntry_++, untimedX_ - 4, untimedY_, colW_, rowH_ - uy_, t.Start, ref);
    untimedY_ += rowH_ - uy_;
    if (!(y_ + h_ > untimedY_ + rowH_)) {
        untimedY_ = tgb_;
        untimedX_ += colW_;
    }
}

void DayPainter::DrawRows(int column, int x1) {
    int offset = 0;
    int ry = y_ + headH_;
    for (int i = 0; i < RowCount; ++i, ry += pitch_) {
        const Row& row = rows_[i];
        if (screen_)
            ctx_.View.Hits.Set(column, i, x1 - 4 * ux_, ry, colW_, rowH_ - uy_, row.Satz.Start, row.Ref);
        if (i > 0 && rows_[i - 1].HoldsAppointment() && !rows_[i - 1].Satz.Hat(FlagOhneEnde))
            previousEnd_ = MinuteOfDay(rows_[i - 1].Satz.Ende);
        // The stored end decides; empty rows have a zero end.
        const bool running = row.HoldsAppointment() && CompareZeitpunkt(row.Satz.Ende, ctx_.View.Now) >= 0;
        c_.DrawText(x1, ry, TimeLabel(row.Satz.Start), TextStyle{running ? rowFont_ : normalFont_});
        if (row.HoldsAppointment()) {
            const std::string text = CutWithMarkers(row.Satz, colW_ - w9_ - 4 * ux_);
            c_.DrawText(x1 + w9_, ry, text, TextStyle{rowFont_, ViewColour(target_, Colour(row.Satz))});
        }
        const int mid = ry + (rowH_ + uy_) / 2;
        Rule(x1 + w6_ - ux_, mid, x1 + w8_ + ux_, mid);
        if (row.HoldsAppointment() && !row.Satz.Hat(FlagOhneEnde)) {
            if (i > 0 && previousEnd_ > MinuteOfDay(row.Satz.Start)) offset = offset < 3 ? offset + 3 : -3;
            DurationLine(x1 + w7_ + offset, mid + uy_, LineEnd(column, i, mid, row.Satz), row.Satz);
        }
    }
}

// End of the duration line of `t` drawn from row `fromRow` (tick at `mid`): down to the
// row at or after its end, proportionally inside the last interval; past the last row it
// is carried into the afternoon. Never below TimeGridBottom.
int DayPainter::LineEnd(int column, int fromRow, int mid, const Termin& t) {
    const int endMinute = MinuteOfDay(t.Ende);
    int e = mid;
    int k = fromRow + 1;
    for (;; ++k) {
        e += pitch_;
        if (k >= RowCount || MinuteOfDay(rows_[k].Satz.Start) >= endMinute) break;
    }
    if (k < RowCount) {
        const int f = MinuteOfDay(rows_[k].Satz.Start) - endMinute;
        const int g = MinuteOfDay(rows_[k].Satz.Start) - MinuteOfDay(rows_[k - 1].Satz.Start);
        if (f > 0 && g > 0) e = e - pitch_ + pitch_ * (g - f) / g;
    } else {
        if (column == 0) {
            carry_ = t;
            hasCarry_ = true;
        }
        e += column == 0 ? rowH_ / 2 : -(rowH_ / 2);
    }
    return e < tgb_ ? e : tgb_;
}

void DayPainter::DurationLine(int lineX, int top, int bottom, const Termin& t) {
    c_.Line(lineX, top, lineX, bottom, PenSpec{2 * ux_, ViewColour(target_, Colour(t))});
}

}  // namespace

void DrawDayView(PaintContext& ctx, Canvas& canvas, int x, int y, int w, int h, int rowHeight, const Zeitpunkt& day,
                 ViewTarget target) {
    DayPainter(ctx, canvas, x, y, w, h, rowHeight, day, target).Paint();
}
