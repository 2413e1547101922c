#pragma once
// The block compressor of the list files, wave data and compressed streams: a
// small LZ77 coder with one 4096-entry hash table. A block encodes at most
// UtlLZRWMaxSource bytes; its first byte is 64 (compressed) or 128 (stored).
// The byte layout is the stored format of existing files and must not change.
#include "platform/core/Exceptions.h"
#include "platform/core/Types.h"

class TStream;

VELMORA_EXCEPTION(EUtlCompressError, EStreamError)

// Source bytes one block encodes at most.
constexpr Word UtlLZRWMaxSource = 32781;
// Room a compressed block needs: the coder may pass the source size by up to
// six bytes before it falls back to a stored block.
constexpr Word UtlLZRWMaxBlock = UtlLZRWMaxSource + 6;
// The one message of every corrupt compressed block or stream.
inline constexpr const char* UtlLZRWCorruptMessage = "Compressed data is corrupt";

enum TUtlCompressionType { ctLZRW };

// Compresses SourceSize (at most UtlLZRWMaxSource) bytes into Dest, which must
// hold SourceSize + 6 bytes; returns the block length (at most SourceSize + 1).
// Raises EUtlCompressError "LZRW Error!" for a larger SourceSize.
Word UtlLZRWCompress(const Byte* Source, Byte* Dest, Word SourceSize);

// Expands a block of SourceSize bytes into Dest of DestSize bytes; returns the
// bytes written. Every offset and length is checked: a block that reads past
// its end, copies from before the output's start or writes more than DestSize
// bytes raises EUtlCompressError "Compressed data is corrupt".
Word UtlLZRWDecompress(const Byte* Source, Byte* Dest, Word SourceSize, Word DestSize = UtlLZRWMaxSource);

// Reads Count bytes from Source's position (callers pass the bytes left) and
// writes a compressed stream at Dest's position: a 32-bit total, then pairs of
// a 32-bit block length and a block. Dest's position ends after the stream.
void SaveCompressedStream(TStream* Source, TStream* Dest, Integer Count);
// Reads one compressed stream from Source and writes the expanded bytes to Dest.
// A total or block length that does not fit (a block outside 1..32782 bytes, or
// longer than the total left) raises EUtlCompressError "Compressed data is
// corrupt", as does a corrupt block; a short stream raises EReadError.
void LoadCompressedStream(TStream* Source, TStream* Dest);
