#pragma once
// A range of a text's bytes, as the editor and the scans over its bytes share them.

// End exclusive.
struct ByteRange {
    long start = 0;
    long end = 0;
};
