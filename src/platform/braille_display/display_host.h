#pragma once
// Whether the braille display daemon's host can be reached at all, before its client
// library is handed the host: the library has no deadline of its own for a connection,
// and a host that never answers would hold the program for the system's TCP connect
// timeout (minutes).

// `host` as the daemon's clients take it (BRLAPI_HOST): "name" or "name:N" for TCP port
// 4101 + N, "[address]:N" for IPv6, ":N" or nothing for the daemon's local socket. True
// when the host accepts a TCP connection within `milliseconds`; also for the local
// socket and for a host written in a way this does not know, which the library is
// left to answer.
bool displayHostAnswers(const char* host, int milliseconds);
