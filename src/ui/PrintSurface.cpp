#include "ui/PrintSurface.h"

#include <gtk/gtk.h>
#include <wx/dcprint.h>

extern "C" {
static void OnBeginPrint(GtkPrintOperation* op, GtkPrintContext* context, gpointer steps) {
    static_cast<const PrintSurfaceSteps*>(steps)->begin(op, context);
}

static void OnDrawPage(GtkPrintOperation* op, GtkPrintContext* context, gint page, gpointer steps) {
    static_cast<const PrintSurfaceSteps*>(steps)->draw(op, context, page);
}
}

bool RunOnPrintSurface(wxSize paperPixels, int dpi, const std::string& pdfPath,
                       const PrintSurfaceSteps& steps) {
    if (paperPixels.x <= 0 || paperPixels.y <= 0 || dpi <= 0) return false;
    GtkPrintOperation* op = gtk_print_operation_new();
    // The paper given in points, so that the printer DC, which rounds the
    // paper at its resolution, is exactly `paperPixels` large.
    GtkPaperSize* paper = gtk_paper_size_new_custom("zt-page", "zt-page", paperPixels.x * 72.0 / dpi,
                                                    paperPixels.y * 72.0 / dpi, GTK_UNIT_POINTS);
    GtkPageSetup* setup = gtk_page_setup_new();
    gtk_page_setup_set_paper_size_and_default_margins(setup, paper);
    gtk_print_operation_set_default_page_setup(op, setup);
    GtkPrintSettings* settings = gtk_print_settings_new();
    gtk_print_settings_set_resolution(settings, dpi);
    gtk_print_operation_set_print_settings(op, settings);
    gtk_print_operation_set_export_filename(op, pdfPath.c_str());
    if (steps.begin)
        g_signal_connect(op, "begin-print", G_CALLBACK(OnBeginPrint), const_cast<PrintSurfaceSteps*>(&steps));
    if (steps.draw)
        g_signal_connect(op, "draw-page", G_CALLBACK(OnDrawPage), const_cast<PrintSurfaceSteps*>(&steps));
    GError* error = nullptr;
    const GtkPrintOperationResult result =
        gtk_print_operation_run(op, GTK_PRINT_OPERATION_ACTION_EXPORT, nullptr, &error);
    if (error) g_error_free(error);
    g_object_unref(settings);
    g_object_unref(setup);
    gtk_paper_size_free(paper);
    g_object_unref(op);
    return result == GTK_PRINT_OPERATION_RESULT_APPLY;
}

bool WithPrinterDC(wxSize paperPixels, int dpi, const std::function<void(wxDC&)>& use) {
    bool used = false;
    PrintSurfaceSteps steps;
    steps.begin = [&](GtkPrintOperation* op, GtkPrintContext* context) {
        wxPrintData data;
        data.SetQuality(dpi);
        static_cast<wxGtkPrintNativeData*>(data.GetNativeData())->SetPrintContext(context);
        {
            wxPrinterDC dc(data);
            if (dc.IsOk()) {
                use(dc);
                used = true;
            }
        }
        gtk_print_operation_cancel(op);
    };
    RunOnPrintSurface(paperPixels, dpi, "/dev/null", steps);
    return used;
}
