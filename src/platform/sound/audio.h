#pragma once
// The program's one audio output, shared by speech, recordings and the built-in sounds.
// It opens on first use. Without a device (or when speech was turned off on the
// command line) nothing is queued and nothing ever sounds, so no caller waits.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/sound/mixer.h"

// True when a device is open (opening it on the first call).
bool audioAvailable();
// Closes the device; the next use opens it again.
void audioShutdown();

void audioQueue(Channel channel, std::unique_ptr<PcmSource> source);
// Samples of any rate, signed 16-bit mono, after everything queued on the channel.
void audioAppend(Channel channel, const int16_t* samples, size_t count, int rate);
void audioQueueSilence(Channel channel, int milliseconds);
// Queues a recording on the voice channel. False when the file is missing or is not a
// playable WAVE file (nothing is queued then).
bool audioQueueRecording(const std::string& utf8Path);

void audioStop();
void audioStop(Channel channel);
// True while something is queued. An output that has stopped pulling samples for a
// second counts as silent (and is emptied), so that a stalled device never makes a
// waiter wait forever.
bool audioSounding();
bool audioSounding(Channel channel);
// Seconds of sound waiting in memory on the channel.
double audioSecondsHeld(Channel channel);

// For measurements: called on the program's thread each time samples are queued, and
// the number of buffers the device has pulled so far.
void audioSetQueueHook(std::function<void()> hook);
uint64_t audioRenderCount();
