// The Windows spooler behind the print service's interface, through fake spooler calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/printing/spooler.h"
#include "output/printing/spooler_windows.h"

namespace {

// What the fake spooler was asked, in order, and the bytes it took.
std::string gCalls;
std::string gBytes;
bool gWriteFails = false;
HANDLE const kPrinter = reinterpret_cast<HANDLE>(0x1234);

BOOL WINAPI fakeOpen(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA) {
  gCalls += std::string("open ") + name + ";";
  if (std::string(name) != "Braille") return FALSE;
  *printer = kPrinter;
  return TRUE;
}
DWORD WINAPI fakeStartDoc(HANDLE, DWORD, LPBYTE info) {
  gCalls += std::string("doc ") + reinterpret_cast<DOC_INFO_1A*>(info)->pDatatype + ";";
  return 7;
}
BOOL WINAPI fakeStartPage(HANDLE) { return gCalls += "page;", TRUE; }
BOOL WINAPI fakeWrite(HANDLE, LPVOID data, DWORD size, LPDWORD written) {
  if (gWriteFails) return FALSE;
  // Takes at most 3 bytes a call, as a spooler may.
  *written = size < 3 ? size : 3;
  gBytes.append(static_cast<const char*>(data), *written);
  return TRUE;
}
BOOL WINAPI fakeEndPage(HANDLE) { return gCalls += "endpage;", TRUE; }
BOOL WINAPI fakeEndDoc(HANDLE) { return gCalls += "enddoc;", TRUE; }
BOOL WINAPI fakeSetJob(HANDLE, DWORD job, DWORD, LPBYTE, DWORD command) {
  gCalls += "setjob " + std::to_string(job) + (command == JOB_CONTROL_DELETE ? " delete;" : ";");
  return TRUE;
}
BOOL WINAPI fakeClose(HANDLE) { return gCalls += "close;", TRUE; }
// Two printers, the second with a name in UTF-8, as the programs' code page gives it.
BOOL WINAPI fakeEnum(DWORD, LPSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD count) {
  static char first[] = "Braille", second[] = "Impressora da sala 2 \xc3\xa9";
  *needed = 2 * sizeof(PRINTER_INFO_4A);
  if (level != 4 || size < *needed) return SetLastError(ERROR_INSUFFICIENT_BUFFER), FALSE;
  auto* printers = reinterpret_cast<PRINTER_INFO_4A*>(buffer);
  printers[0] = {first, nullptr, 0};
  printers[1] = {second, nullptr, 0};
  *count = 2;
  return TRUE;
}

class WindowsSpooler : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = winspoolCalls();
    WinspoolCalls& calls = winspoolCalls();
    calls.openPrinter = fakeOpen;
    calls.startDoc = fakeStartDoc;
    calls.startPage = fakeStartPage;
    calls.write = fakeWrite;
    calls.endPage = fakeEndPage;
    calls.endDoc = fakeEndDoc;
    calls.setJob = fakeSetJob;
    calls.closePrinter = fakeClose;
    calls.enumPrinters = fakeEnum;
    gCalls.clear();
    gBytes.clear();
    gWriteFails = false;
  }
  void TearDown() override { winspoolCalls() = saved_; }
  WinspoolCalls saved_{};
};

TEST_F(WindowsSpooler, ARawJobReachesThePrinterWhole) {
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_TRUE(writeRawPrinter("\x1b" "ABCDEFG\r\n\f"));
  EXPECT_TRUE(closeRawPrinterJob());
  EXPECT_EQ(gBytes, "\x1b" "ABCDEFG\r\n\f");
  EXPECT_EQ(gCalls, "open Braille;doc RAW;page;endpage;enddoc;close;");
}

TEST_F(WindowsSpooler, AFailedWriteWithdrawsTheJob) {
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  gWriteFails = true;
  EXPECT_FALSE(writeRawPrinter("ABC"));
  EXPECT_FALSE(closeRawPrinterJob());
  EXPECT_EQ(gCalls, "open Braille;doc RAW;page;setjob 7 delete;endpage;enddoc;close;");
}

TEST_F(WindowsSpooler, AMissingPrinterAndAnInkPdfAreRefused) {
  EXPECT_FALSE(openRawPrinterJob("Nenhuma"));
  EXPECT_FALSE(openPrinterJob("Braille", JobFormat::Pdf));
  EXPECT_EQ(gCalls, "open Nenhuma;");
  const InkPageAnswer ink = describeInkPage("Nenhuma");
  EXPECT_TRUE(ink.answered);
  EXPECT_FALSE(ink.found);
}

TEST_F(WindowsSpooler, ThePrintersAreTheDevices) {
  const DeviceList list = readDeviceList();
  EXPECT_TRUE(list.serviceAnswered);
  EXPECT_EQ(list.names, (std::vector<std::string>{"Braille", "Impressora da sala 2 \xc3\xa9"}));
}

}  // namespace
