#pragma once
// Symbols the host resolves by name in libReservering.so.

#define RSV_EXPORT __attribute__((visibility("default")))
