#pragma once
// The drawing embossed as a page of Braille cells through a print job. Nothing here
// speaks: each step answers with an Outcome that the caller tells its user.
#include <functional>
#include <string>

#include "output/device/device_page.h"
#include "platform/text/outcome.h"

// Sends the page's embosser stream on the open raw job and closes the job, also after a
// failed write. Fails ("Erro no dispositivo") unless the print service took the whole
// stream.
Outcome sendPageToEmbosser(const Page& page);

// On the open raw job: prepares the page of the sheet, has `draw` draw on it and sends
// it. Fails when the page cannot be had (the job is withdrawn) or the stream did not go
// whole.
Outcome embossOnOpenJob(const EmbosserSheet& sheet, const PageDrawing& draw);

// Settles the job's sheet, asks `proceed` (which may check the page on it), opens the
// embosser job on the device, runs `opened`, then embosses what `draw` draws as
// embossOnOpenJob does. A queue made from a braille driver gets a BRF job on the page
// its driver lays out, in mode texto; any other queue a raw job on the configured sheet.
// Nothing is opened when `proceed` says no (a failure with nothing to tell: it has told
// its user itself).
Outcome embossOnDevice(const std::string& device, const EmbosserSheet& configured,
                       const std::function<bool(const EmbosserSheet& sheet)>& proceed,
                       const std::function<void(const EmbosserSheet& sheet)>& opened, const PageDrawing& draw);
