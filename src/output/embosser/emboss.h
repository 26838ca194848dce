#pragma once
// Option B: the drawing embossed as a page of Braille cells through a print job.
#include <functional>
#include <string>

#include "output/device/device_page.h"

// Asks for the embosser, opens the job, renders the script (or the test drawing) on
// the embosser sheet and sends it. Every failure is said; nothing is sent after Esc.
void embossDrawing(bool testDrawing);

// Sends the page's embosser stream on the open raw job and closes the job, also after a
// failed write. Says "Erro no dispositivo" and returns false unless the print service
// took the whole stream.
bool sendPageToEmbosser(const Page& page);

// On the open raw job: prepares the page of the sheet, has `draw` draw on it and sends
// it. False, said, when the page cannot be had (the job is withdrawn) or the stream did
// not go whole.
bool embossOnOpenJob(const EmbosserSheet& sheet, const PageDrawing& draw);

// Settles the job's sheet, asks `proceed` (which may check the page on it), opens the
// embosser job on the device, runs `opened`, then embosses what `draw` draws as
// embossOnOpenJob does. A queue made from a braille driver gets a BRF job on the page
// its driver lays out, in mode texto; any other queue a raw job on the configured sheet.
// Nothing is opened when `proceed` says no; every failure is said.
bool embossOnDevice(const std::string& device, const EmbosserSheet& configured,
                    const std::function<bool(const EmbosserSheet& sheet)>& proceed,
                    const std::function<void(const EmbosserSheet& sheet)>& opened, const PageDrawing& draw);
