// The Word renderer: the book as a WordprocessingML package, parts written with pugixml and
// zipped with libzip, pictures rendered by librsvg.
#include "DocxRender.h"

#include <glib.h>
#include <zip.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include <fmt/format.h>
#include <pugixml.hpp>

#include "SvgPicture.h"
#include "VexaBookLayout.h"
#include "VexaResource.h"

namespace {

namespace L = VexaBookLayout;

constexpr const char* kNsW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kNsR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kNsWp = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr const char* kNsA = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kNsPic = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr const char* kNsSvg = "http://schemas.microsoft.com/office/drawing/2016/SVG/main";
constexpr const char* kSvgBlipExt = "{96DAC541-7B7A-43D3-8B79-37D633B846F1}";
constexpr const char* kRelBase = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kTypeBase = "application/vnd.openxmlformats-officedocument.wordprocessingml.";

constexpr double kEmuPerPt = 12700.0;

long Twips(double pt) { return std::lround(pt * 20.0); }
int HalfPoints(double pt) { return static_cast<int>(std::lround(pt * 2.0)); }

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

// A part's XML: the declaration Word writes, then the document without indentation.
std::string XmlBytes(pugi::xml_document& xml) {
    pugi::xml_node decl = xml.prepend_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    decl.append_attribute("standalone") = "yes";
    StringWriter writer;
    xml.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.text;
}

pugi::xml_node Child(pugi::xml_node parent, const char* name) { return parent.append_child(name); }

// <name w:val="value"/>
pugi::xml_node Val(pugi::xml_node parent, const char* name, const std::string& value) {
    pugi::xml_node node = parent.append_child(name);
    node.append_attribute("w:val") = value.c_str();
    return node;
}

// The text width of a line in 宋体 at `size`, as Word sets it: wide (East Asian) characters one
// em, the others half an em, sub- and superscripts two thirds of the size, tabs to the next stop.
double LineWidth(const VexaLine& line, double size) {
    double width = 0;
    for (const VexaRun& run : line) {
        const double em = run.style == VexaRunStyle::Normal ? size : size * 2.0 / 3.0;
        const std::string text = VexaPrintableText(run.text);
        for (const char* p = text.c_str(); *p != '\0'; p = g_utf8_next_char(p)) {
            const gunichar ch = g_utf8_get_char(p);
            if (ch == '\t') {
                width = (std::floor(width / L::kTabStop + 1e-9) + 1) * L::kTabStop;
            } else {
                width += g_unichar_iswide(ch) ? em : em / 2;
            }
        }
    }
    return width;
}

// An in-memory ZIP archive.
class ZipPackage {
public:
    ZipPackage() {
        zip_error_t error;
        zip_error_init(&error);
        m_source = zip_source_buffer_create(nullptr, 0, 0, &error);
        if (m_source != nullptr) {
            m_zip = zip_open_from_source(m_source, ZIP_TRUNCATE, &error);
        }
        zip_error_fini(&error);
        if (m_zip == nullptr) {
            if (m_source != nullptr) {
                zip_source_free(m_source);
            }
            throw std::runtime_error("cannot create a ZIP archive in memory");
        }
        zip_source_keep(m_source);
    }
    ~ZipPackage() {
        if (m_zip != nullptr) {
            zip_discard(m_zip);
        }
        zip_source_free(m_source);
    }
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // Adds a file; deflated unless `store` (for what is compressed already).
    void Add(const std::string& name, std::string bytes, bool store = false) {
        const std::string& data = m_data.emplace_back(std::move(bytes));
        zip_source_t* source = zip_source_buffer(m_zip, data.data(), data.size(), 0);
        if (source == nullptr) {
            throw std::runtime_error("cannot add " + name + " to the ZIP archive");
        }
        const zip_int64_t index = zip_file_add(m_zip, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            throw std::runtime_error("cannot add " + name + " to the ZIP archive");
        }
        const auto i = static_cast<zip_uint64_t>(index);
        zip_set_file_compression(m_zip, i, store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
        // A fixed time (1980-01-01 00:00), so that a book gives the same bytes every time.
        zip_file_set_dostime(m_zip, i, 0, (1 << 5) | 1, 0);
    }

    // Closes the archive and returns its bytes.
    std::string Finish() {
        if (zip_close(m_zip) != 0) {
            throw std::runtime_error(std::string("cannot write the ZIP archive: ") + zip_strerror(m_zip));
        }
        m_zip = nullptr;
        std::string bytes;
        if (zip_source_open(m_source) != 0) {
            throw std::runtime_error("cannot read the ZIP archive back");
        }
        zip_source_seek(m_source, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(m_source);
        zip_source_seek(m_source, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(static_cast<std::size_t>(size));
            const zip_int64_t read = zip_source_read(m_source, bytes.data(), static_cast<zip_uint64_t>(size));
            bytes.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
        }
        zip_source_close(m_source);
        return bytes;
    }

private:
    zip_source_t* m_source = nullptr;
    zip_t* m_zip = nullptr;
    std::deque<std::string> m_data;   // the files' bytes, alive until the archive is closed
};

// One picture of the book as the package holds it: a PNG, the SVG beside it, the printed size.
struct Media {
    bool present = false;
    std::string pngRel;
    std::string svgRel;
    std::string title;
    double width = 0;    // points
    double height = 0;
};

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

class DocxBuilder {
public:
    explicit DocxBuilder(const CWordObject& doc) : m_doc(doc) {}

    std::string Build() {
        AddRelationship("styles", "styles.xml");
        AddRelationship("settings", "settings.xml");
        AddRelationship("fontTable", "fontTable.xml");
        m_footerRel = AddRelationship("footer", "footer1.xml");
        m_fonts.push_back(L::kLatinFont);
        m_fonts.push_back(L::kEastAsianFont);

        const std::string document = Document();   // first: it gathers the pictures and fonts
        m_zip.Add("[Content_Types].xml", ContentTypes());
        m_zip.Add("_rels/.rels", PackageRelationships());
        m_zip.Add("docProps/core.xml", CoreProperties());
        m_zip.Add("docProps/app.xml", AppProperties());
        m_zip.Add("word/document.xml", document);
        m_zip.Add("word/_rels/document.xml.rels", DocumentRelationships());
        m_zip.Add("word/styles.xml", Styles());
        m_zip.Add("word/settings.xml", Settings());
        m_zip.Add("word/fontTable.xml", FontTable());
        m_zip.Add("word/footer1.xml", Footer());
        for (auto& [name, bytes] : m_mediaFiles) {
            m_zip.Add(name, std::move(bytes), name.ends_with(".png"));
        }
        return m_zip.Finish();
    }

private:
    std::string AddRelationship(const std::string& type, const std::string& target) {
        const std::string id = fmt::format("rId{}", m_relationships.size() + 1);
        m_relationships.push_back({id, kRelBase + type, target});
        return id;
    }

    // ---- runs and paragraphs ------------------------------------------------------------------

    struct RunFormat {
        std::string eastAsianFont;   // empty: the default
        double size = 0;             // 0: the default
        std::string color;           // empty: automatic
    };

    static void RunProperties(pugi::xml_node run, const RunFormat& format, VexaRunStyle style) {
        if (format.eastAsianFont.empty() && format.size == 0 && format.color.empty() && style == VexaRunStyle::Normal) {
            return;
        }
        pugi::xml_node rPr = Child(run, "w:rPr");
        if (!format.eastAsianFont.empty()) {
            pugi::xml_node fonts = Child(rPr, "w:rFonts");
            fonts.append_attribute("w:eastAsia") = format.eastAsianFont.c_str();
        }
        if (!format.color.empty()) {
            Val(rPr, "w:color", format.color);
        }
        if (format.size > 0) {
            Val(rPr, "w:sz", std::to_string(HalfPoints(format.size)));
            Val(rPr, "w:szCs", std::to_string(HalfPoints(format.size)));
        }
        if (style != VexaRunStyle::Normal) {
            Val(rPr, "w:vertAlign", style == VexaRunStyle::Sub ? "subscript" : "superscript");
        }
    }

    // The runs of one line; a tab is a w:tab, which Word sets on the next tab stop.
    static void Line(pugi::xml_node paragraph, const VexaLine& line, const RunFormat& format) {
        for (const VexaRun& run : line) {
            const std::string text = VexaPrintableText(run.text);
            pugi::xml_node r = Child(paragraph, "w:r");
            RunProperties(r, format, run.style);
            std::size_t start = 0;
            for (;;) {
                const std::size_t tab = text.find('\t', start);
                const std::string piece = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
                if (!piece.empty()) {
                    pugi::xml_node t = Child(r, "w:t");
                    t.append_attribute("xml:space") = "preserve";
                    t.text().set(piece.c_str());
                }
                if (tab == std::string::npos) {
                    break;
                }
                Child(r, "w:tab");
                start = tab + 1;
            }
        }
    }

    // Lines of one paragraph, separated by line breaks.
    static void Lines(pugi::xml_node paragraph, const std::vector<VexaLine>& lines, const RunFormat& format) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                Child(Child(paragraph, "w:r"), "w:br");
            }
            Line(paragraph, lines[i], format);
        }
    }

    static pugi::xml_node StyledParagraph(pugi::xml_node body, const char* style) {
        pugi::xml_node p = Child(body, "w:p");
        Val(Child(p, "w:pPr"), "w:pStyle", style);
        return p;
    }

    void Body(pugi::xml_node body, const VexaBlock& block) {
        pugi::xml_node p = Child(body, "w:p");
        RunFormat format;
        if (block.fontName != L::kEastAsianFont && !block.fontName.empty()) {
            format.eastAsianFont = VexaPrintableText(block.fontName);
            if (std::find(m_fonts.begin(), m_fonts.end(), format.eastAsianFont) == m_fonts.end()) {
                m_fonts.push_back(format.eastAsianFont);
            }
        }
        if (block.fontSize > 0 && block.fontSize != L::kBodySize) {
            format.size = block.fontSize;
            pugi::xml_node spacing = Child(Child(p, "w:pPr"), "w:spacing");
            spacing.append_attribute("w:line") = Twips(block.fontSize * L::kLinePitch);
            spacing.append_attribute("w:lineRule") = "atLeast";
        }
        Lines(p, block.lines, format);
    }

    // ---- pictures -----------------------------------------------------------------------------

    const Media& PictureMedia(const std::string& name) {
        auto found = m_media.find(name);
        if (found != m_media.end()) {
            return found->second;
        }
        Media& media = m_media[name];
        media.title = VexaPrintableText(VexaPictureTitle(name));
        const std::string svg = VexaLoadPicture(name);
        if (svg.empty()) {
            return media;
        }
        const CSvgPicture picture(svg);
        if (!picture.IsValid()) {
            return media;
        }
        // The printed size, made smaller to fit the text area when it is larger.
        const double fit = std::min({1.0, L::kTextWidth / picture.WidthPt(),
                                     (L::kTextHeight - 2 * L::kPictureSpace) / picture.HeightPt()});
        media.width = picture.WidthPt() * fit;
        media.height = picture.HeightPt() * fit;
        std::string png = picture.ToPng(media.width, media.height, L::kPictureDpi);
        if (png.empty()) {
            return media;
        }
        const int number = ++m_imageCount;
        const std::string base = fmt::format("media/image{}", number);
        m_mediaFiles.emplace_back("word/" + base + ".png", std::move(png));
        m_mediaFiles.emplace_back("word/" + base + ".svg", svg);
        media.pngRel = AddRelationship("image", base + ".png");
        media.svgRel = AddRelationship("image", base + ".svg");
        media.present = true;
        m_anyPicture = true;
        return media;
    }

    void Picture(pugi::xml_node body, const VexaBlock& block) {
        const Media& media = PictureMedia(block.picture);
        pugi::xml_node p = Child(body, "w:p");
        if (!media.present) {
            RunFormat grey;
            grey.color = "808080";
            Line(p, VexaLine{VexaRun{"[图: " + media.title + "]"}}, grey);
            return;
        }
        pugi::xml_node spacing = Child(Child(p, "w:pPr"), "w:spacing");
        spacing.append_attribute("w:before") = Twips(L::kPictureSpace);
        spacing.append_attribute("w:after") = Twips(L::kPictureSpace);
        spacing.append_attribute("w:line") = 240;
        spacing.append_attribute("w:lineRule") = "auto";

        const long cx = std::lround(media.width * kEmuPerPt);
        const long cy = std::lround(media.height * kEmuPerPt);
        const int id = ++m_drawingCount;
        const std::string name = fmt::format("图片 {}", id);

        pugi::xml_node inline_ = Child(Child(Child(p, "w:r"), "w:drawing"), "wp:inline");
        for (const char* side : {"distT", "distB", "distL", "distR"}) {
            inline_.append_attribute(side) = 0;
        }
        pugi::xml_node extent = Child(inline_, "wp:extent");
        extent.append_attribute("cx") = cx;
        extent.append_attribute("cy") = cy;
        pugi::xml_node effect = Child(inline_, "wp:effectExtent");
        for (const char* side : {"l", "t", "r", "b"}) {
            effect.append_attribute(side) = 0;
        }
        pugi::xml_node docPr = Child(inline_, "wp:docPr");
        docPr.append_attribute("id") = id;
        docPr.append_attribute("name") = name.c_str();
        docPr.append_attribute("descr") = media.title.c_str();
        Child(Child(inline_, "wp:cNvGraphicFramePr"), "a:graphicFrameLocks").append_attribute("noChangeAspect") = 1;
        pugi::xml_node data = Child(Child(inline_, "a:graphic"), "a:graphicData");
        data.append_attribute("uri") = kNsPic;
        pugi::xml_node pic = Child(data, "pic:pic");
        pugi::xml_node nv = Child(pic, "pic:nvPicPr");
        pugi::xml_node cNvPr = Child(nv, "pic:cNvPr");
        cNvPr.append_attribute("id") = id;
        cNvPr.append_attribute("name") = name.c_str();
        cNvPr.append_attribute("descr") = media.title.c_str();
        Child(nv, "pic:cNvPicPr");
        pugi::xml_node fill = Child(pic, "pic:blipFill");
        pugi::xml_node blip = Child(fill, "a:blip");
        blip.append_attribute("r:embed") = media.pngRel.c_str();
        pugi::xml_node ext = Child(Child(blip, "a:extLst"), "a:ext");
        ext.append_attribute("uri") = kSvgBlipExt;
        pugi::xml_node svgBlip = Child(ext, "asvg:svgBlip");
        svgBlip.append_attribute("xmlns:asvg") = kNsSvg;
        svgBlip.append_attribute("r:embed") = media.svgRel.c_str();
        Child(Child(fill, "a:stretch"), "a:fillRect");
        pugi::xml_node spPr = Child(pic, "pic:spPr");
        pugi::xml_node xfrm = Child(spPr, "a:xfrm");
        pugi::xml_node off = Child(xfrm, "a:off");
        off.append_attribute("x") = 0;
        off.append_attribute("y") = 0;
        pugi::xml_node aext = Child(xfrm, "a:ext");
        aext.append_attribute("cx") = cx;
        aext.append_attribute("cy") = cy;
        pugi::xml_node geometry = Child(spPr, "a:prstGeom");
        geometry.append_attribute("prst") = "rect";
        Child(geometry, "a:avLst");
    }

    // ---- tables -------------------------------------------------------------------------------

    static void Border(pugi::xml_node borders, const char* side) {
        pugi::xml_node b = Val(borders, side, "single");
        b.append_attribute("w:sz") = static_cast<int>(std::lround(L::kTableBorder * 8));   // eighths of a point
        b.append_attribute("w:space") = 0;
        b.append_attribute("w:color") = "000000";
    }

    static void Table(pugi::xml_node body, const VexaBlock& block) {
        const std::size_t columns = block.cells.front().size();
        // Each column as wide as its widest line, the table no wider than the text.
        std::vector<double> widths(columns, 0.0);
        for (const auto& row : block.cells) {
            for (std::size_t c = 0; c < row.size() && c < columns; ++c) {
                for (const VexaLine& line : row[c]) {
                    widths[c] = std::max(widths[c], LineWidth(line, L::kBodySize));
                }
            }
        }
        double total = 0;
        for (double& w : widths) {
            w += 2 * L::kCellPadding + L::kBodySize / 2;   // side margins and half a character to spare
            total += w;
        }
        const double scale = total > L::kTextWidth ? L::kTextWidth / total : 1.0;

        pugi::xml_node tbl = Child(body, "w:tbl");
        pugi::xml_node tblPr = Child(tbl, "w:tblPr");
        pugi::xml_node tblW = Child(tblPr, "w:tblW");
        tblW.append_attribute("w:w") = 0;
        tblW.append_attribute("w:type") = "auto";
        pugi::xml_node borders = Child(tblPr, "w:tblBorders");
        for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
            Border(borders, side);
        }
        pugi::xml_node margins = Child(tblPr, "w:tblCellMar");
        for (const char* side : {"w:left", "w:right"}) {
            pugi::xml_node m = Child(margins, side);
            m.append_attribute("w:w") = Twips(L::kCellPadding);
            m.append_attribute("w:type") = "dxa";
        }
        pugi::xml_node grid = Child(tbl, "w:tblGrid");
        std::vector<long> twips;
        for (double w : widths) {
            twips.push_back(Twips(w * scale));
            Child(grid, "w:gridCol").append_attribute("w:w") = twips.back();
        }
        for (const auto& row : block.cells) {
            pugi::xml_node tr = Child(tbl, "w:tr");
            for (std::size_t c = 0; c < columns; ++c) {
                pugi::xml_node tc = Child(tr, "w:tc");
                pugi::xml_node tcW = Child(Child(tc, "w:tcPr"), "w:tcW");
                tcW.append_attribute("w:w") = twips[c];
                tcW.append_attribute("w:type") = "dxa";
                pugi::xml_node p = Child(tc, "w:p");
                if (c < row.size()) {
                    Lines(p, row[c], RunFormat{});
                }
            }
        }
    }

    // ---- the parts ----------------------------------------------------------------------------

    std::string Document() {
        pugi::xml_document xml;
        pugi::xml_node root = xml.append_child("w:document");
        root.append_attribute("xmlns:w") = kNsW;
        root.append_attribute("xmlns:r") = kNsR;
        root.append_attribute("xmlns:wp") = kNsWp;
        root.append_attribute("xmlns:a") = kNsA;
        root.append_attribute("xmlns:pic") = kNsPic;
        pugi::xml_node body = Child(root, "w:body");
        bool lastWasTable = false;
        for (const VexaBlock& block : m_doc.Blocks()) {
            const bool table = block.kind == VexaBlockKind::Table;
            if (table && (block.cells.empty() || block.cells.front().empty())) {
                continue;   // a table without cells shows nothing
            }
            if (table && lastWasTable) {
                Child(body, "w:p");   // two tables in a row stay two tables
            }
            switch (block.kind) {
            case VexaBlockKind::Title:
                Lines(StyledParagraph(body, "Heading1"), block.lines, RunFormat{});
                break;
            case VexaBlockKind::SectionTitle:
                Lines(StyledParagraph(body, "Heading2"), block.lines, RunFormat{});
                break;
            case VexaBlockKind::Body:
                Body(body, block);
                break;
            case VexaBlockKind::Picture:
                Picture(body, block);
                break;
            case VexaBlockKind::Table:
                Table(body, block);
                break;
            }
            lastWasTable = table;
        }
        if (lastWasTable) {
            Child(body, "w:p");   // the body ends with a paragraph
        }
        pugi::xml_node sect = Child(body, "w:sectPr");
        pugi::xml_node footer = Child(sect, "w:footerReference");
        footer.append_attribute("w:type") = "default";
        footer.append_attribute("r:id") = m_footerRel.c_str();
        pugi::xml_node size = Child(sect, "w:pgSz");
        size.append_attribute("w:w") = Twips(L::kPageWidth);
        size.append_attribute("w:h") = Twips(L::kPageHeight);
        pugi::xml_node margins = Child(sect, "w:pgMar");
        margins.append_attribute("w:top") = Twips(L::kMarginTop);
        margins.append_attribute("w:right") = Twips(L::kMarginRight);
        margins.append_attribute("w:bottom") = Twips(L::kMarginBottom);
        margins.append_attribute("w:left") = Twips(L::kMarginLeft);
        margins.append_attribute("w:header") = Twips(L::kFooterDistance);
        margins.append_attribute("w:footer") = Twips(L::kFooterDistance);
        margins.append_attribute("w:gutter") = 0;
        return XmlBytes(xml);
    }

    std::string ContentTypes() const {
        pugi::xml_document xml;
        pugi::xml_node types = xml.append_child("Types");
        types.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/content-types";
        auto add = [&types](const char* element, const char* key, const std::string& value, const std::string& type) {
            pugi::xml_node node = types.append_child(element);
            node.append_attribute(key) = value.c_str();
            node.append_attribute("ContentType") = type.c_str();
        };
        add("Default", "Extension", "rels", "application/vnd.openxmlformats-package.relationships+xml");
        add("Default", "Extension", "xml", "application/xml");
        if (m_anyPicture) {
            add("Default", "Extension", "png", "image/png");
            add("Default", "Extension", "svg", "image/svg+xml");
        }
        add("Override", "PartName", "/word/document.xml", std::string(kTypeBase) + "document.main+xml");
        add("Override", "PartName", "/word/styles.xml", std::string(kTypeBase) + "styles+xml");
        add("Override", "PartName", "/word/settings.xml", std::string(kTypeBase) + "settings+xml");
        add("Override", "PartName", "/word/fontTable.xml", std::string(kTypeBase) + "fontTable+xml");
        add("Override", "PartName", "/word/footer1.xml", std::string(kTypeBase) + "footer+xml");
        add("Override", "PartName", "/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
        add("Override", "PartName", "/docProps/app.xml",
            "application/vnd.openxmlformats-officedocument.extended-properties+xml");
        return XmlBytes(xml);
    }

    static std::string Relationships(const std::vector<Relationship>& relationships) {
        pugi::xml_document xml;
        pugi::xml_node root = xml.append_child("Relationships");
        root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/relationships";
        for (const Relationship& r : relationships) {
            pugi::xml_node node = root.append_child("Relationship");
            node.append_attribute("Id") = r.id.c_str();
            node.append_attribute("Type") = r.type.c_str();
            node.append_attribute("Target") = r.target.c_str();
        }
        return XmlBytes(xml);
    }

    static std::string PackageRelationships() {
        return Relationships({
            {"rId1", std::string(kRelBase) + "officeDocument", "word/document.xml"},
            {"rId2", "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
             "docProps/core.xml"},
            {"rId3", std::string(kRelBase) + "extended-properties", "docProps/app.xml"},
        });
    }

    std::string DocumentRelationships() const { return Relationships(m_relationships); }

    std::string CoreProperties() const {
        pugi::xml_document xml;
        pugi::xml_node root = xml.append_child("cp:coreProperties");
        root.append_attribute("xmlns:cp") = "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
        root.append_attribute("xmlns:dc") = "http://purl.org/dc/elements/1.1/";
        root.append_attribute("xmlns:dcterms") = "http://purl.org/dc/terms/";
        root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
        root.append_child("dc:title").text().set(VexaPrintableText(VexaBookTitle(m_doc)).c_str());
        if (!m_doc.Properties().subject.empty()) {
            root.append_child("dc:subject").text().set(VexaPrintableText(m_doc.Properties().subject).c_str());
        }
        root.append_child("dc:creator").text().set("vexa");
        root.append_child("dc:language").text().set("zh-CN");
        return XmlBytes(xml);
    }

    static std::string AppProperties() {
        pugi::xml_document xml;
        pugi::xml_node root = xml.append_child("Properties");
        root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
        root.append_child("Application").text().set("vexa");
        return XmlBytes(xml);
    }

    static void Spacing(pugi::xml_node pPr, double before, double after, double size) {
        pugi::xml_node spacing = Child(pPr, "w:spacing");
        spacing.append_attribute("w:before") = Twips(before);
        spacing.append_attribute("w:after") = Twips(after);
        spacing.append_attribute("w:line") = Twips(size * L::kLinePitch);
        spacing.append_attribute("w:lineRule") = "atLeast";
    }

    static void Size(pugi::xml_node rPr, double size) {
        Val(rPr, "w:sz", std::to_string(HalfPoints(size)));
        Val(rPr, "w:szCs", std::to_string(HalfPoints(size)));
    }

    static void HeadingStyle(pugi::xml_node styles, const char* id, const char* name, int level, double size,
                             double before, double after, bool centred) {
        pugi::xml_node style = Child(styles, "w:style");
        style.append_attribute("w:type") = "paragraph";
        style.append_attribute("w:styleId") = id;
        Val(style, "w:name", name);
        Val(style, "w:basedOn", "Normal");
        Val(style, "w:next", "Normal");
        Val(style, "w:uiPriority", "9");
        Child(style, "w:qFormat");
        pugi::xml_node pPr = Child(style, "w:pPr");
        Child(pPr, "w:keepNext");
        Child(pPr, "w:keepLines");
        Spacing(pPr, before, after, size);
        if (centred) {
            Val(pPr, "w:jc", "center");
        }
        Val(pPr, "w:outlineLvl", std::to_string(level));
        pugi::xml_node rPr = Child(style, "w:rPr");
        Child(rPr, "w:b");
        Child(rPr, "w:bCs");
        Size(rPr, size);
    }

    static std::string Styles() {
        pugi::xml_document xml;
        pugi::xml_node styles = xml.append_child("w:styles");
        styles.append_attribute("xmlns:w") = kNsW;
        pugi::xml_node defaults = Child(styles, "w:docDefaults");
        pugi::xml_node rPr = Child(Child(defaults, "w:rPrDefault"), "w:rPr");
        pugi::xml_node fonts = Child(rPr, "w:rFonts");
        fonts.append_attribute("w:ascii") = L::kLatinFont;
        fonts.append_attribute("w:hAnsi") = L::kLatinFont;
        fonts.append_attribute("w:eastAsia") = L::kEastAsianFont;
        fonts.append_attribute("w:cs") = L::kLatinFont;
        Val(rPr, "w:kern", "2");
        Size(rPr, L::kBodySize);
        pugi::xml_node lang = Val(rPr, "w:lang", "en-US");
        lang.append_attribute("w:eastAsia") = "zh-CN";
        lang.append_attribute("w:bidi") = "ar-SA";
        pugi::xml_node pPr = Child(Child(defaults, "w:pPrDefault"), "w:pPr");
        Spacing(pPr, 0, 0, L::kBodySize);

        pugi::xml_node normal = Child(styles, "w:style");
        normal.append_attribute("w:type") = "paragraph";
        normal.append_attribute("w:default") = 1;
        normal.append_attribute("w:styleId") = "Normal";
        Val(normal, "w:name", "Normal");
        Child(normal, "w:qFormat");
        HeadingStyle(styles, "Heading1", "heading 1", 0, L::kTitleSize, L::kTitleSpaceBefore, L::kTitleSpaceAfter, true);
        HeadingStyle(styles, "Heading2", "heading 2", 1, L::kSectionSize, L::kSectionSpaceBefore,
                     L::kSectionSpaceAfter, false);

        pugi::xml_node footer = Child(styles, "w:style");
        footer.append_attribute("w:type") = "paragraph";
        footer.append_attribute("w:styleId") = "Footer";
        Val(footer, "w:name", "footer");
        Val(footer, "w:basedOn", "Normal");
        Val(Child(footer, "w:pPr"), "w:jc", "center");
        Size(Child(footer, "w:rPr"), L::kFooterSize);
        return XmlBytes(xml);
    }

    static std::string Settings() {
        pugi::xml_document xml;
        pugi::xml_node settings = xml.append_child("w:settings");
        settings.append_attribute("xmlns:w") = kNsW;
        Val(settings, "w:defaultTabStop", std::to_string(Twips(L::kTabStop)));
        Val(settings, "w:characterSpacingControl", "doNotCompress");
        pugi::xml_node compat = Child(Child(settings, "w:compat"), "w:compatSetting");
        compat.append_attribute("w:name") = "compatibilityMode";
        compat.append_attribute("w:uri") = "http://schemas.microsoft.com/office/word";
        compat.append_attribute("w:val") = "15";
        return XmlBytes(xml);
    }

    std::string FontTable() const {
        pugi::xml_document xml;
        pugi::xml_node fonts = xml.append_child("w:fonts");
        fonts.append_attribute("xmlns:w") = kNsW;
        for (const std::string& name : m_fonts) {
            pugi::xml_node font = Child(fonts, "w:font");
            font.append_attribute("w:name") = name.c_str();
            if (name == L::kLatinFont) {
                Val(font, "w:panose1", "02020603050405020304");
                Val(font, "w:charset", "00");
                Val(font, "w:family", "roman");
            } else if (name == L::kEastAsianFont) {
                Val(font, "w:altName", L::kEastAsianFontAlt);
                Val(font, "w:panose1", "02010600030101010101");
                Val(font, "w:charset", "86");
                Val(font, "w:family", "auto");
            } else {
                Val(font, "w:charset", "86");
                Val(font, "w:family", "auto");
            }
            Val(font, "w:pitch", "variable");
        }
        return XmlBytes(xml);
    }

    // "第 X 页 共 Y 页" with the PAGE and NUMPAGES fields.
    static std::string Footer() {
        pugi::xml_document xml;
        pugi::xml_node ftr = xml.append_child("w:ftr");
        ftr.append_attribute("xmlns:w") = kNsW;
        pugi::xml_node p = Child(ftr, "w:p");
        Val(Child(p, "w:pPr"), "w:pStyle", "Footer");
        auto text = [&p](const char* t) {
            pugi::xml_node node = Child(Child(p, "w:r"), "w:t");
            node.append_attribute("xml:space") = "preserve";
            node.text().set(t);
        };
        auto fieldChar = [&p](const char* type) {
            Child(Child(p, "w:r"), "w:fldChar").append_attribute("w:fldCharType") = type;
        };
        auto field = [&p, &text, &fieldChar](const char* instruction) {
            fieldChar("begin");
            pugi::xml_node instr = Child(Child(p, "w:r"), "w:instrText");
            instr.append_attribute("xml:space") = "preserve";
            instr.text().set(instruction);
            fieldChar("separate");
            text("1");
            fieldChar("end");
        };
        text(L::kFooterBefore);
        field(" PAGE ");
        text(L::kFooterBetween);
        field(" NUMPAGES ");
        text(L::kFooterAfter);
        return XmlBytes(xml);
    }

    const CWordObject& m_doc;
    ZipPackage m_zip;
    std::vector<Relationship> m_relationships;
    std::string m_footerRel;
    std::vector<std::string> m_fonts;
    std::map<std::string, Media> m_media;                         // by picture name
    std::vector<std::pair<std::string, std::string>> m_mediaFiles;   // part name, bytes
    int m_imageCount = 0;
    int m_drawingCount = 0;
    bool m_anyPicture = false;
};

}  // namespace

std::string CDocxRenderer::Render(const CWordObject& doc) const {
    return DocxBuilder(doc).Build();
}
