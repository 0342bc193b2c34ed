// The PDF renderer: the book laid out with pango and drawn with cairo onto A4 pages, pictures
// drawn by librsvg into the same cairo context.
#include "PdfRender.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include <fmt/format.h>

#include "SvgPicture.h"
#include "VexaBookLayout.h"
#include "VexaResource.h"

namespace {

namespace L = VexaBookLayout;

// The fonts of the text: Latin letters and figures in Times New Roman (Liberation Serif where
// that is what the system has), Chinese in the book's font, else SimSun, else AR PL UMing CN,
// a Song (Ming) face with the mainland's character forms.
constexpr const char* kSongFallback = "AR PL UMing CN";

std::string FontFamilies(const std::string& eastAsianFont) {
    std::string families = std::string(L::kLatinFont) + ",";
    if (!eastAsianFont.empty() && eastAsianFont != L::kEastAsianFont) {
        families += eastAsianFont + ",";
    }
    return families + L::kEastAsianFont + "," + L::kEastAsianFontAlt + "," + kSongFallback + ",serif";
}

double Pt(int pangoUnits) { return static_cast<double>(pangoUnits) / PANGO_SCALE; }
int PangoUnits(double pt) { return static_cast<int>(std::lround(pt * PANGO_SCALE)); }

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

using LayoutPtr = std::shared_ptr<PangoLayout>;

LayoutPtr Adopt(PangoLayout* layout) {
    return LayoutPtr(layout, [](PangoLayout* l) { g_object_unref(l); });
}

struct TextFormat {
    std::string eastAsianFont;
    double size = L::kBodySize;
    bool bold = false;
    bool centred = false;
    bool grey = false;
};

class PdfBook {
public:
    explicit PdfBook(const CWordObject& doc) : m_doc(doc) {
        m_surface = cairo_pdf_surface_create_for_stream(AppendToString, &m_bytes, L::kPageWidth, L::kPageHeight);
        m_cr = cairo_create(m_surface);
        m_context = pango_cairo_create_context(m_cr);
        // Positions as the font's outlines give them, not rounded to a screen's pixels.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(m_context, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(m_context, FALSE);
        pango_context_set_language(m_context, pango_language_from_string("zh-cn"));
    }
    ~PdfBook() {
        g_object_unref(m_context);
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }
    PdfBook(const PdfBook&) = delete;
    PdfBook& operator=(const PdfBook&) = delete;

    std::string Render() {
        for (const VexaBlock& block : m_doc.Blocks()) {
            switch (block.kind) {
            case VexaBlockKind::Title:
                Heading(block, L::kTitleSize, L::kTitleSpaceBefore, L::kTitleSpaceAfter, true);
                break;
            case VexaBlockKind::SectionTitle:
                Heading(block, L::kSectionSize, L::kSectionSpaceBefore, L::kSectionSpaceAfter, false);
                break;
            case VexaBlockKind::Body: {
                TextFormat format;
                format.eastAsianFont = block.fontName;
                format.size = block.fontSize > 0 ? block.fontSize : L::kBodySize;
                PlaceLines(Layout(block.lines, format, L::kTextWidth), L::kMarginLeft, format.size);
                break;
            }
            case VexaBlockKind::Picture:
                Picture(block.picture);
                break;
            case VexaBlockKind::Table:
                Table(block);
                break;
            }
        }
        Draw();
        return m_bytes;
    }

private:
    // ---- layout -------------------------------------------------------------------------------

    // One layout of lines (hard line breaks between them) `width` points wide, -1 unwrapped.
    LayoutPtr Layout(const std::vector<VexaLine>& lines, const TextFormat& format, double width) const {
        std::string text;
        PangoAttrList* attrs = pango_attr_list_new();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                text += '\n';
            }
            for (const VexaRun& run : lines[i]) {
                std::string piece = VexaPrintableText(run.text);
                std::erase(piece, '\n');
                const auto start = static_cast<guint>(text.size());
                text += piece;
                const auto end = static_cast<guint>(text.size());
                if (run.style == VexaRunStyle::Normal || start == end) {
                    continue;
                }
                const bool sub = run.style == VexaRunStyle::Sub;
                PangoAttribute* shift =
                    pango_attr_baseline_shift_new(sub ? PANGO_BASELINE_SHIFT_SUBSCRIPT : PANGO_BASELINE_SHIFT_SUPERSCRIPT);
                PangoAttribute* scale =
                    pango_attr_font_scale_new(sub ? PANGO_FONT_SCALE_SUBSCRIPT : PANGO_FONT_SCALE_SUPERSCRIPT);
                for (PangoAttribute* attr : {shift, scale}) {
                    attr->start_index = start;
                    attr->end_index = end;
                    pango_attr_list_insert(attrs, attr);
                }
            }
        }
        if (format.grey) {
            pango_attr_list_insert(attrs, pango_attr_foreground_new(0x8080, 0x8080, 0x8080));
        }
        LayoutPtr layout = Adopt(pango_layout_new(m_context));
        PangoFontDescription* font = pango_font_description_new();
        pango_font_description_set_family(font, FontFamilies(format.eastAsianFont).c_str());
        pango_font_description_set_absolute_size(font, format.size * PANGO_SCALE);
        pango_font_description_set_weight(font, format.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout.get(), font);
        pango_font_description_free(font);

        const int stops = static_cast<int>(std::ceil(L::kTextWidth / L::kTabStop)) + 1;
        PangoTabArray* tabs = pango_tab_array_new(stops, FALSE);
        for (int i = 0; i < stops; ++i) {
            pango_tab_array_set_tab(tabs, i, PANGO_TAB_LEFT, PangoUnits(L::kTabStop * (i + 1)));
        }
        pango_layout_set_tabs(layout.get(), tabs);
        pango_tab_array_free(tabs);

        if (width > 0) {
            pango_layout_set_width(layout.get(), PangoUnits(width));
            pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
        }
        pango_layout_set_alignment(layout.get(), format.centred ? PANGO_ALIGN_CENTER : PANGO_ALIGN_LEFT);
        pango_layout_set_text(layout.get(), text.c_str(), static_cast<int>(text.size()));
        pango_layout_set_attributes(layout.get(), attrs);
        pango_attr_list_unref(attrs);
        return layout;
    }

    // A line of a layout with the height it takes: at least the line pitch of its font size.
    struct LineBox {
        int index;
        double x;         // left of the line from the layout's left
        double height;    // of the slot
        double baseline;  // from the slot's top
    };

    static std::vector<LineBox> Lines(PangoLayout* layout, double size) {
        std::vector<LineBox> boxes;
        PangoLayoutIter* iter = pango_layout_get_iter(layout);
        int index = 0;
        do {
            PangoRectangle logical;
            pango_layout_iter_get_line_extents(iter, nullptr, &logical);
            const double height = Pt(logical.height);
            const double ascent = Pt(pango_layout_iter_get_baseline(iter) - logical.y);
            const double slot = std::max(height, size * L::kLinePitch);
            boxes.push_back({index++, Pt(logical.x), slot, (slot - height) / 2 + ascent});
        } while (pango_layout_iter_next_line(iter));
        pango_layout_iter_free(iter);
        return boxes;
    }

    double Bottom() const { return L::kPageHeight - L::kMarginBottom; }

    void NewPage() {
        m_pages.emplace_back();
        m_y = L::kMarginTop;
        m_atTop = true;
    }

    // Room for `height` more on this page, else a new page.
    void Need(double height) {
        if (m_pages.empty() || (!m_atTop && m_y + height > Bottom() + 1e-6)) {
            NewPage();
        }
    }

    void Space(double height) {
        if (m_pages.empty()) {
            NewPage();
        }
        if (!m_atTop) {
            m_y += height;
        }
    }

    void Put(std::function<void(cairo_t*)> draw) { m_pages.back().push_back(std::move(draw)); }

    void PlaceLine(const LayoutPtr& layout, const LineBox& box, double x) {
        Need(box.height);
        const double baseline = m_y + box.baseline;
        Put([layout, index = box.index, left = x + box.x, baseline](cairo_t* cr) {
            cairo_move_to(cr, left, baseline);
            pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(layout.get(), index));
        });
        m_y += box.height;
        m_atTop = false;
    }

    void PlaceLines(const LayoutPtr& layout, double x, double size) {
        for (const LineBox& box : Lines(layout.get(), size)) {
            PlaceLine(layout, box, x);
        }
    }

    void Heading(const VexaBlock& block, double size, double before, double after, bool title) {
        TextFormat format;
        format.size = size;
        format.bold = true;
        format.centred = title;
        const LayoutPtr layout = Layout(block.lines, format, L::kTextWidth);
        const std::vector<LineBox> boxes = Lines(layout.get(), size);
        double height = 0;
        for (const LineBox& box : boxes) {
            height += box.height;
        }
        // A heading stays with the first line after it.
        Space(before);
        Need(height + L::kBodySize * L::kLinePitch);
        m_outline.push_back({VexaPlainText(block.lines), title, static_cast<int>(m_pages.size()), m_y});
        for (const LineBox& box : boxes) {
            PlaceLine(layout, box, L::kMarginLeft);
        }
        m_y += after;
    }

    void Picture(const std::string& name) {
        const std::string svg = VexaLoadPicture(name);
        auto picture = std::make_shared<CSvgPicture>(svg);
        if (svg.empty() || !picture->IsValid()) {
            TextFormat grey;
            grey.grey = true;
            PlaceLines(Layout({VexaLine{VexaRun{"[图: " + VexaPictureTitle(name) + "]"}}}, grey, L::kTextWidth),
                       L::kMarginLeft, L::kBodySize);
            return;
        }
        const double fit = std::min({1.0, L::kTextWidth / picture->WidthPt(),
                                     (L::kTextHeight - 2 * L::kPictureSpace) / picture->HeightPt()});
        const double width = picture->WidthPt() * fit;
        const double height = picture->HeightPt() * fit;
        Space(L::kPictureSpace);
        Need(height);
        Put([picture, x = L::kMarginLeft, y = m_y, width, height](cairo_t* cr) {
            cairo_save(cr);
            picture->Render(cr, x, y, width, height);
            cairo_restore(cr);
        });
        m_y += height + L::kPictureSpace;
        m_atTop = false;
    }

    void Table(const VexaBlock& block) {
        if (block.cells.empty() || block.cells.front().empty()) {
            return;
        }
        const std::size_t columns = block.cells.front().size();
        // Each column as wide as its widest line, the table no wider than the text.
        std::vector<std::vector<LayoutPtr>> layouts;
        std::vector<double> widths(columns, 0.0);
        for (const auto& row : block.cells) {
            auto& cells = layouts.emplace_back();
            for (std::size_t c = 0; c < columns; ++c) {
                cells.push_back(Layout(c < row.size() ? row[c] : std::vector<VexaLine>{}, TextFormat{}, -1));
                PangoRectangle logical;
                pango_layout_get_extents(cells.back().get(), nullptr, &logical);
                widths[c] = std::max(widths[c], Pt(logical.width) + 2 * L::kCellPadding);
            }
        }
        double total = 0;
        for (double w : widths) {
            total += w;
        }
        if (total > L::kTextWidth) {
            for (double& w : widths) {
                w *= L::kTextWidth / total;
            }
        }
        for (auto& cells : layouts) {
            // The cells' lines and the row's height.
            std::vector<std::vector<LineBox>> boxes;
            double rowHeight = 0;
            for (std::size_t c = 0; c < columns; ++c) {
                pango_layout_set_width(cells[c].get(), PangoUnits(std::max(widths[c] - 2 * L::kCellPadding, 1.0)));
                pango_layout_set_wrap(cells[c].get(), PANGO_WRAP_WORD_CHAR);
                boxes.push_back(Lines(cells[c].get(), L::kBodySize));
                double height = 0;
                for (const LineBox& box : boxes.back()) {
                    height += box.height;
                }
                rowHeight = std::max(rowHeight, height);
            }
            Need(rowHeight);
            const double top = m_y;
            double x = L::kMarginLeft;
            for (std::size_t c = 0; c < columns; ++c) {
                double y = top;
                for (const LineBox& box : boxes[c]) {
                    Put([layout = cells[c], index = box.index, left = x + L::kCellPadding + box.x,
                         baseline = y + box.baseline](cairo_t* cr) {
                        cairo_move_to(cr, left, baseline);
                        pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(layout.get(), index));
                    });
                    y += box.height;
                }
                Put([x, top, width = widths[c], rowHeight](cairo_t* cr) {
                    cairo_set_line_width(cr, L::kTableBorder);
                    cairo_rectangle(cr, x, top, width, rowHeight);
                    cairo_stroke(cr);
                });
                x += widths[c];
            }
            m_y = top + rowHeight;
            m_atTop = false;
        }
    }

    // ---- drawing ------------------------------------------------------------------------------

    void Footer(int page, int pages) {
        TextFormat format;
        format.size = L::kFooterSize;
        format.centred = true;
        const LayoutPtr layout =
            Layout({VexaLine{VexaRun{L::FooterText(page, pages)}}}, format, L::kTextWidth);
        PangoRectangle logical;
        pango_layout_get_extents(layout.get(), nullptr, &logical);
        cairo_move_to(m_cr, L::kMarginLeft, L::kPageHeight - L::kFooterDistance - Pt(logical.height));
        pango_cairo_show_layout(m_cr, layout.get());
    }

    void Draw() {
        if (m_pages.empty()) {
            NewPage();
        }
        const std::string title = VexaPrintableText(VexaBookTitle(m_doc));
        cairo_pdf_surface_set_metadata(m_surface, CAIRO_PDF_METADATA_TITLE, title.c_str());
        if (!m_doc.Properties().subject.empty()) {
            cairo_pdf_surface_set_metadata(m_surface, CAIRO_PDF_METADATA_SUBJECT,
                                           VexaPrintableText(m_doc.Properties().subject).c_str());
        }
        cairo_pdf_surface_set_metadata(m_surface, CAIRO_PDF_METADATA_CREATOR, "vexa");
        // The outline: the titles, the section titles under the title before them.
        int parent = CAIRO_PDF_OUTLINE_ROOT;
        for (const OutlineEntry& entry : m_outline) {
            const std::string link = fmt::format("page={} pos=[{:.2f} {:.2f}]", entry.page, L::kMarginLeft, entry.y);
            const std::string text = VexaPrintableText(entry.text);
            const int id = cairo_pdf_surface_add_outline(m_surface, entry.title ? CAIRO_PDF_OUTLINE_ROOT : parent,
                                                         text.c_str(), link.c_str(),
                                                         entry.title ? CAIRO_PDF_OUTLINE_FLAG_OPEN
                                                                     : static_cast<cairo_pdf_outline_flags_t>(0));
            if (entry.title) {
                parent = id;
            }
        }
        const int pages = static_cast<int>(m_pages.size());
        for (int page = 0; page < pages; ++page) {
            cairo_set_source_rgb(m_cr, 0, 0, 0);
            for (const auto& draw : m_pages[static_cast<std::size_t>(page)]) {
                draw(m_cr);
            }
            Footer(page + 1, pages);
            cairo_show_page(m_cr);
        }
        cairo_surface_finish(m_surface);
        if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
            throw std::runtime_error(std::string("cannot write the PDF: ") +
                                     cairo_status_to_string(cairo_surface_status(m_surface)));
        }
    }

    struct OutlineEntry {
        std::string text;
        bool title;
        int page;   // from 1
        double y;
    };

    const CWordObject& m_doc;
    std::string m_bytes;
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    PangoContext* m_context = nullptr;
    std::vector<std::vector<std::function<void(cairo_t*)>>> m_pages;   // what each page draws
    std::vector<OutlineEntry> m_outline;
    double m_y = 0;
    bool m_atTop = true;
};

}  // namespace

std::string CPdfRenderer::Render(const CWordObject& doc) const {
    return PdfBook(doc).Render();
}
