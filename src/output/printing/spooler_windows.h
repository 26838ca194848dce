#pragma once
// The Windows spooler behind PrintSpooler: its printers are the devices, and a job is
// one document of data type "RAW" (StartDocPrinter), whose bytes reach the printer
// unchanged: the embosser's stream, or a ready Braille document. Ink pages are drawn
// through GDI (printer_page_windows.h).
#include <windows.h>

// The spooler's functions the backend calls, so that tests put in fakes that answer
// like a printer, a missing one or one that fails in the middle of a job.
struct WinspoolCalls {
  decltype(&::EnumPrintersA) enumPrinters;
  decltype(&::OpenPrinterA) openPrinter;
  decltype(&::StartDocPrinterA) startDoc;
  decltype(&::StartPagePrinter) startPage;
  decltype(&::WritePrinter) write;
  decltype(&::EndPagePrinter) endPage;
  decltype(&::EndDocPrinter) endDoc;
  decltype(&::SetJobA) setJob;
  decltype(&::ClosePrinter) closePrinter;
};
WinspoolCalls& winspoolCalls();
