#pragma once
// Option B: the drawing embossed as a page of Braille cells through a print job.
#include <functional>
#include <string>

// Asks for the embosser, opens the job, renders the script (or the test drawing) on
// the embosser sheet and sends it. Every failure is said; nothing is sent after Esc.
void embossDrawing(bool testDrawing);

// Sends the current surface's embosser stream on the open raw job and closes the job,
// also after a failed write. Says "Erro no dispositivo" and returns false unless the
// print service took the whole stream.
bool sendSurfaceToEmbosser();

// On the open raw job: prepares the embosser sheet, has `draw` draw on it, sends it
// and frees it. False, said, when the sheet cannot be had (the job is withdrawn) or
// the stream did not go whole.
bool embossOnOpenJob(const std::function<void()>& draw);

// Sets the job's sheet, asks `proceed` (which may check the page on it), opens the
// embosser job on the device, runs `opened`, then embosses what `draw` draws as
// embossOnOpenJob does. A queue made from a braille driver gets a BRF job on the page
// its driver lays out, in mode texto; any other queue a raw job on the configured sheet.
// The configured sheet is back afterwards. Nothing is opened when `proceed` says no;
// every failure is said.
bool embossOnDevice(const std::string& device, const std::function<bool()>& proceed, const std::function<void()>& opened,
                    const std::function<void()>& draw);
