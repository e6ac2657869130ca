#include "report/TBaseReport.h"

#include <cmath>

#include "platform/Error.h"
#include "report/FontMetrics.h"
#include "report/ReportTexts.h"

namespace tarvela {

namespace {

// Tolerance for comparing positions that went through a few additions.
constexpr double kEpsilonCm = 1e-9;
constexpr double kBorderPenCm = 0.02;

std::vector<std::string> splitAtTabs(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', start)) {
        parts.emplace_back(text, start, tab - start);
        start = tab + 1;
    }
    parts.emplace_back(text, start);
    return parts;
}

} // namespace

TBaseReport::TBaseReport(Orientation orientation, PrinterSelection printer, ReportStatus& status)
    : orientation_(orientation), printer_(printer), status_(status), page_(Page::a4(orientation))
{
    startPage();
}

void TBaseReport::SelectFont(const std::string& name, double size)
{
    if (!(size > 0 && size < 1000))
        throw Error("Neplatná velikost písma: " + std::to_string(size));
    font_ = FontSpec{};
    font_.name = name;
    font_.sizePt = size;
}

void TBaseReport::SelectCharset(int code)
{
    font_.charset = code;
}

void TBaseReport::SetTextColor(Rgb color)
{
    font_.color = color;
}

void TBaseReport::SetMargins(double left, double right, double top, double bottom)
{
    left_ = left;
    right_ = right;
    top_ = top;
    bottom_ = bottom;
}

void TBaseReport::StartAtTop()
{
    moveToLine(top_);
}

void TBaseReport::WriteText(const std::string& text)
{
    const std::vector<std::string> parts = splitAtTabs(text);
    printAt(x_, parts.front());
    for (size_t i = 1; i < parts.size(); ++i) {
        if (reachedCell_ + 1 < int(tabs_.size())) {
            ++reachedCell_;
            printInCell(tabs_[reachedCell_], parts[i]);
        } else {
            printAt(x_, parts[i]);
        }
    }
}

void TBaseReport::WriteLine(const std::string& text)
{
    WriteText(text);
    LineFeed();
}

void TBaseReport::LineFeed()
{
    moveToLine(lineTop_ + lineHeight());
    pollCancel();
}

void TBaseReport::PageBreak()
{
    pollCancel();
    if (!cancelled_)
        done_.pages.push_back(std::move(page_));
    page_ = Page::a4(orientation_);
    ++pageNumber_;
    startPage();
}

int TBaseReport::RemainingLines() const
{
    const double height = lineHeight();
    const double lineBottom = lineTop_ + height;
    const double room = textAreaBottom() - lineBottom;
    if (room < -kEpsilonCm)
        return 0;
    return 1 + int(std::floor(room / height + kEpsilonCm));
}

void TBaseReport::WriteFooter(const std::string& text, Justification justification)
{
    const double lastLineTop = textAreaBottom() - lineHeight();
    if (std::abs(lastLineTop - lineTop_) > kEpsilonCm)
        moveToLine(lastLineTop);
    const double width = FontMetrics::textWidthCm(text, font_);
    if (justification == Justification::Right)
        printAt(page_.widthCm - right_ - width, text, Justification::Right);
    else
        printAt(left_, text);
}

void TBaseReport::WriteAt(const std::string& text, double x)
{
    printAt(x, text);
}

void TBaseReport::ClearTabStops()
{
    tabs_.clear();
    reachedCell_ = -1;
}

void TBaseReport::AddTabStop(std::optional<double> position, Justification justification,
                             double width, int innerMargin, int borders, int shade)
{
    TabStop stop;
    if (position)
        stop.position = *position;
    else
        stop.position = tabs_.empty() ? left_ : tabs_.back().position + tabs_.back().width;
    stop.width = width;
    stop.justification = justification;
    stop.innerMargin = innerMargin;
    stop.borders = borders;
    stop.shade = shade;
    tabs_.push_back(stop);
}

ReportDocument TBaseReport::TakeDocument()
{
    if (!cancelled_) {
        done_.pages.push_back(std::move(page_));
        page_ = Page::a4(orientation_);
    }
    return std::move(done_);
}

double TBaseReport::lineHeight() const
{
    return FontMetrics::lineHeightCm(font_.sizePt);
}

double TBaseReport::textAreaBottom() const
{
    return page_.heightCm - bottom_;
}

void TBaseReport::moveToLine(double top)
{
    lineTop_ = top;
    x_ = left_;
    reachedCell_ = -1;
    ++line_;
}

void TBaseReport::printAt(double x, const std::string& text, Justification align)
{
    placeText(x, text, FontMetrics::textWidthCm(text, font_), align);
}

void TBaseReport::placeText(double x, const std::string& text, double width, Justification align)
{
    if (!text.empty()) {
        TextRun run;
        run.x = x;
        run.baseline = lineTop_ + FontMetrics::baselineOffsetCm(font_.sizePt);
        run.width = width;
        run.line = line_;
        run.align = align;
        run.font = font_;
        run.text = text;
        page_.ops.emplace_back(std::move(run));
    }
    x_ = x + width;
}

void TBaseReport::printInCell(const TabStop& cell, const std::string& text)
{
    if (cell.width > 0)
        drawCell(cell);
    const double width = FontMetrics::textWidthCm(text, font_);
    switch (cell.justification) {
    case Justification::Left:
        placeText(cell.position + cell.innerMarginCm(), text, width, Justification::Left);
        break;
    case Justification::Right:
        placeText(cell.position + cell.width - cell.innerMarginCm() - width, text, width, Justification::Right);
        break;
    case Justification::Center:
        placeText(cell.position + (cell.width - width) / 2, text, width, Justification::Center);
        break;
    }
}

void TBaseReport::drawCell(const TabStop& cell)
{
    const double height = lineHeight();
    const double left = cell.position;
    const double right = cell.position + cell.width;
    const double top = lineTop_;
    const double bottom = lineTop_ + height;
    if (cell.shade > 0)
        page_.ops.emplace_back(FilledRect{left, top, cell.width, height, shadeColor(cell.shade)});
    auto edge = [&](double x1, double y1, double x2, double y2) {
        page_.ops.emplace_back(LineSegment{x1, y1, x2, y2, kBorderPenCm, kBlack});
    };
    if (cell.borders & kBorderLeft)
        edge(left, top, left, bottom);
    if (cell.borders & kBorderRight)
        edge(right, top, right, bottom);
    if (cell.borders & kBorderTop)
        edge(left, top, right, top);
    if (cell.borders & kBorderBottom)
        edge(left, bottom, right, bottom);
}

void TBaseReport::startPage()
{
    lineTop_ = top_;
    x_ = left_;
    reachedCell_ = -1;
    line_ = 1;
    if (!cancelled_)
        status_.setText(pageStatusText(reporttext::kGeneratingPage, pageNumber_));
}

void TBaseReport::pollCancel()
{
    if (!cancelled_ && status_.cancelRequested())
        cancelled_ = true;
}

} // namespace tarvela
