#pragma once
// The demo hotel's housekeeping beside what its check-outs left dirty: one
// room checked after cleaning, one out of use.

bool MaakDemoSchoonmaak();
