#include "report/HtmlWriter.h"

#include <cstdio>

#include "report/FontMetrics.h"
#include "platform/WholeFile.h"

namespace tarvela {

namespace {

constexpr double kCmPerPoint = 2.54 / 72.0;

std::string number(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string cm(double value)
{
    return number(value) + "cm";
}

std::string hexColor(Rgb color)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color.red, color.green, color.blue);
    return buffer;
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string textStyle(const TextRun& run, const Page& page)
{
    // The box starts at the top of the canvas line, so the browser puts the
    // baseline where the canvas did when the line height matches.
    const double top = run.baseline - FontMetrics::baselineOffsetCm(run.font.sizePt);
    std::string style = "top:" + cm(top) + ";font-size:" + number(run.font.sizePt) + "pt";
    switch (run.align) {
    case Justification::Left:
        style += ";left:" + cm(run.x);
        break;
    case Justification::Right:
        style += ";right:" + cm(page.widthCm - run.x - run.width);
        break;
    case Justification::Center:
        style += ";left:" + cm(run.x + run.width / 2) + ";transform:translateX(-50%)";
        break;
    }
    if (run.font.color != kBlack)
        style += ";color:" + hexColor(run.font.color);
    if (run.font.bold)
        style += ";font-weight:bold";
    if (run.font.italic)
        style += ";font-style:italic";
    if (run.font.underline || run.font.strikeOut)
        style += std::string(";text-decoration:") + (run.font.underline ? " underline" : "")
            + (run.font.strikeOut ? " line-through" : "");
    return style;
}

std::string graphics(const Page& page)
{
    std::string svg = "<svg width=\"" + cm(page.widthCm) + "\" height=\"" + cm(page.heightCm)
        + "\" viewBox=\"0 0 " + number(page.widthCm) + " " + number(page.heightCm) + "\">\n";
    for (const DrawOp& op : page.ops) {
        if (const auto* rect = std::get_if<FilledRect>(&op))
            svg += "<rect x=\"" + number(rect->x) + "\" y=\"" + number(rect->y) + "\" width=\""
                + number(rect->width) + "\" height=\"" + number(rect->height) + "\" fill=\""
                + hexColor(rect->color) + "\"/>\n";
        else if (const auto* line = std::get_if<LineSegment>(&op))
            svg += "<line x1=\"" + number(line->x1) + "\" y1=\"" + number(line->y1) + "\" x2=\""
                + number(line->x2) + "\" y2=\"" + number(line->y2) + "\" stroke=\""
                + hexColor(line->color) + "\" stroke-width=\"" + number(line->penWidth)
                + "\" stroke-linecap=\"square\"/>\n";
    }
    return svg + "</svg>\n";
}

std::string navigation(size_t pageIndex, const std::vector<std::filesystem::path>& fileNames)
{
    if (fileNames.size() < 2)
        return {};
    std::string nav = "<nav>";
    if (pageIndex > 0)
        nav += "<a href=\"" + escaped(fileNames[pageIndex - 1].filename().string())
            + "\">Předcházející strana</a> ";
    nav += "Strana " + std::to_string(pageIndex + 1) + " z " + std::to_string(fileNames.size());
    if (pageIndex + 1 < fileNames.size())
        nav += " <a href=\"" + escaped(fileNames[pageIndex + 1].filename().string())
            + "\">Další strana</a>";
    return nav + "</nav>\n";
}

} // namespace

std::vector<std::filesystem::path> htmlPageFileNames(const std::filesystem::path& chosen, size_t pageCount)
{
    std::vector<std::filesystem::path> names;
    for (size_t i = 0; i < pageCount; ++i) {
        if (i == 0) {
            names.push_back(chosen);
        } else {
            std::filesystem::path name = chosen;
            name.replace_filename(chosen.stem().string() + "_" + std::to_string(i + 1)
                                  + chosen.extension().string());
            names.push_back(name);
        }
    }
    return names;
}

std::string htmlPage(const ReportDocument& document, size_t pageIndex,
                     const std::vector<std::filesystem::path>& fileNames)
{
    const Page& page = document.pages.at(pageIndex);
    const double lineHeightEm = FontMetrics::lineHeightCm(1) / kCmPerPoint;
    std::string html = "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n<title>Strana "
        + std::to_string(pageIndex + 1) + " z " + std::to_string(document.pages.size())
        + "</title>\n<style>\n"
          "body{margin:0;background:#808080;font-family:Arial,\"Liberation Sans\",Helvetica,sans-serif}\n"
          ".page{position:relative;margin:1em auto;background:#fff;overflow:hidden}\n"
          ".page svg{position:absolute;left:0;top:0}\n"
          ".page div{position:absolute;white-space:pre;line-height:"
        + number(lineHeightEm) + "em}\nnav{text-align:center;font-size:10pt;margin:1em}\n</style>\n</head>\n<body>\n";
    html += navigation(pageIndex, fileNames);
    html += "<div class=\"page\" style=\"width:" + cm(page.widthCm) + ";height:" + cm(page.heightCm) + "\">\n";
    html += graphics(page);
    for (const DrawOp& op : page.ops)
        if (const auto* run = std::get_if<TextRun>(&op))
            html += "<div style=\"" + textStyle(*run, page) + "\">" + escaped(run->text) + "</div>\n";
    html += "</div>\n" + navigation(pageIndex, fileNames) + "</body>\n</html>\n";
    return html;
}

void writeHtml(const ReportDocument& document, const std::filesystem::path& chosen)
{
    const std::vector<std::filesystem::path> names = htmlPageFileNames(chosen, document.pages.size());
    for (size_t i = 0; i < names.size(); ++i)
        writeWholeFile(names[i], htmlPage(document, i, names));
}

} // namespace tarvela
