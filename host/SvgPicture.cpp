// An SVG picture through librsvg: size, PNG at print resolution, vectors into cairo.
#include "SvgPicture.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>

namespace {
constexpr double kCssDpi = 96.0;        // a px (and a user unit) is 1/96 inch
constexpr double kPointsPerPx = 72.0 / kCssDpi;

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}
}  // namespace

CSvgPicture::CSvgPicture(const std::string& svg) {
    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (error != nullptr) {
        g_error_free(error);
    }
    if (handle == nullptr) {
        return;
    }
    rsvg_handle_set_dpi(handle, kCssDpi);
    double width = 0;
    double height = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height)) {
        gboolean hasWidth = FALSE;
        gboolean hasHeight = FALSE;
        gboolean hasViewBox = FALSE;
        RsvgLength w;
        RsvgLength h;
        RsvgRectangle viewBox{};
        rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &w, &hasHeight, &h, &hasViewBox, &viewBox);
        if (hasViewBox) {
            width = viewBox.width;
            height = viewBox.height;
        }
    }
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height))) {
        g_object_unref(handle);
        return;
    }
    m_handle = handle;
    m_width = width * kPointsPerPx;
    m_height = height * kPointsPerPx;
}

CSvgPicture::~CSvgPicture() {
    if (m_handle != nullptr) {
        g_object_unref(m_handle);
    }
}

std::string CSvgPicture::ToPng(double widthPt, double heightPt, double dpi) const {
    if (m_handle == nullptr || !(widthPt > 0 && heightPt > 0 && dpi > 0)) {
        return {};
    }
    const double scale = dpi / 72.0;
    const int pixelsWide = static_cast<int>(std::ceil(widthPt * scale));
    const int pixelsHigh = static_cast<int>(std::ceil(heightPt * scale));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelsWide, pixelsHigh);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    const bool drawn = Render(cr, 0, 0, widthPt, heightPt);
    cairo_destroy(cr);
    std::string png;
    if (drawn) {
        cairo_surface_flush(surface);
        if (cairo_surface_write_to_png_stream(surface, AppendToString, &png) != CAIRO_STATUS_SUCCESS) {
            png.clear();
        }
    }
    cairo_surface_destroy(surface);
    return png;
}

bool CSvgPicture::Render(_cairo* cr, double x, double y, double width, double height) const {
    if (m_handle == nullptr) {
        return false;
    }
    const RsvgRectangle viewport{x, y, width, height};
    GError* error = nullptr;
    const bool ok = rsvg_handle_render_document(m_handle, cr, &viewport, &error);
    if (error != nullptr) {
        g_error_free(error);
    }
    return ok;
}
