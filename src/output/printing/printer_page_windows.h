#pragma once
// Ink pages on Windows's printers, which take no PDF: the page is drawn on the
// printer's device context (GDI) and the driver makes the job. The device context
// counts in printer dots from the printable area's corner, so the drawing is placed
// where it stands on the paper less the printer's own offset.
#include <windows.h>

#include <string>
#include <string_view>

#include "output/ink/ink_page.h"
#include "output/printing/spooler.h"
#include "render/page.h"

// The GDI functions the page goes through, so that tests put in fakes: a device
// context of their own to draw on, a printer that refuses the job or fails at its end.
struct GdiPrintCalls {
  decltype(&::DocumentPropertiesA) documentProperties;
  decltype(&::CreateDCA) createDC;
  decltype(&::GetDeviceCaps) deviceCaps;
  decltype(&::StartDocA) startDoc;
  decltype(&::StartPage) startPage;
  decltype(&::EndPage) endPage;
  decltype(&::EndDoc) endDoc;
  decltype(&::AbortDoc) abortDoc;
  decltype(&::DeleteDC) deleteDC;
};
GdiPrintCalls& gdiPrintCalls();

// The paper, margins and resolution of the printer's default settings, in portrait.
// Precondition: `printer` is the device's open handle. What the driver does not tell
// stays as in defaultInkPage().
InkPageAnswer describeGdiPage(HANDLE printer, const std::string& device);

// Prints the page as a job named `title`, turned to landscape when the oriented page
// is wider than long. A job that fails after its start is aborted, so that nothing of
// it is printed.
PageJob drawGdiPage(HANDLE printer, const std::string& device, std::string_view title, const Page& page,
                    const InkPage& oriented);
