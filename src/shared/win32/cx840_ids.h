// The COM contract between the programs and the board maker's components: class and
// interface identifiers, the interfaces with their methods at the positions the programs
// call, the result codes and the stream-information record. The programs' COM client
// (com_board_driver) calls them; the board maker's components implement them, and so does
// our board simulator (cx840sim.dll), which includes this header from here. A method's
// position is its index in the interface's method table, IUnknown's three methods counted.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <stddef.h>
#include <stdint.h>

// --- Class and interface identifiers.

// Board driver: {1F4986C0-1C5E-4B59-9933-0696349D12BF}
static const CLSID CLSID_Cx840BoardDriver = {
    0x1f4986c0, 0x1c5e, 0x4b59, {0x99, 0x33, 0x06, 0x96, 0x34, 0x9d, 0x12, 0xbf}};
// Board interface: {D6E799D9-FC71-4CE8-B5DC-CD2E224B44A5}
static const IID IID_ICx840Board = {
    0xd6e799d9, 0xfc71, 0x4ce8, {0xb5, 0xdc, 0xcd, 0x2e, 0x22, 0x4b, 0x44, 0xa5}};
// Audio-settings interface of the board driver: {C1889F6A-7B0E-472A-B079-83C2F205997E}
static const IID IID_ICx840AudioSettings = {
    0xc1889f6a, 0x7b0e, 0x472a, {0xb0, 0x79, 0x83, 0xc2, 0xf2, 0x05, 0x99, 0x7e}};
// Audio-file information component: {52DAF89E-DC2C-477D-A987-6EF419E57AE4}
static const CLSID CLSID_Cx840AudioFileInfo = {
    0x52daf89e, 0xdc2c, 0x477d, {0xa9, 0x87, 0x6e, 0xf4, 0x19, 0xe5, 0x7a, 0xe4}};
// Its interface: {073472B2-E491-4E13-916D-6C881B8EFFB4}
static const IID IID_ICx840AudioFileInfo = {
    0x073472b2, 0xe491, 0x4e13, {0x91, 0x6d, 0x6c, 0x88, 0x1b, 0x8e, 0xff, 0xb4}};

// The creation context the programs pass: in-process server, in-process handler, local
// server, remote server (23).
#define CX840_CLSCTX \
    (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

// --- Result codes of the simulator beyond the standard ones (all failures).

#define CX840_E_CONFIGURED_FAILURE MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0201)
#define CX840_E_NO_SUCH_BOARD MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0202)
#define CX840_E_NOT_WAVE MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0203)
#define CX840_E_TRUNCATED MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0204)
#define CX840_E_NO_FORMAT MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0205)
#define CX840_E_NO_DURATION MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0206)
#define CX840_E_NOT_OPEN MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0207)

// --- Stream-information record, filled by GetStreamInfo (position 12).
// All fields are unsigned 32-bit little-endian; bytes not listed are zero.
// The play length in seconds is (value at CX840_INFO_LENGTH) / (value at CX840_INFO_RATE):
// sample frames at the sample rate for PCM, float, A-law and mu-law data and for any
// format with a fact chunk, else data bytes at the byte rate (CX840_INFO_UNIT tells which).
#define CX840_STREAM_INFO_SIZE 300
#define CX840_INFO_RECORD_SIZE 0  // 300
#define CX840_INFO_FORMAT_TAG 4   // as stored in the file (0xFFFE for an extensible one)
#define CX840_INFO_CHANNELS 8
#define CX840_INFO_BITS 12         // bits per sample
#define CX840_INFO_BLOCK_ALIGN 16  // bytes per sample frame
#define CX840_INFO_BYTE_RATE 20    // average bytes per second
#define CX840_INFO_RATE 24         // units of CX840_INFO_LENGTH per second (never 0)
#define CX840_INFO_SAMPLE_RATE 28  // sample frames per second
#define CX840_INFO_LENGTH 32       // length of the data in frames or bytes
#define CX840_INFO_DATA_BYTES 36   // size of the audio data
#define CX840_INFO_UNIT 40         // 0: LENGTH counts frames; 1: LENGTH counts bytes
#define CX840_INFO_SUB_FORMAT 44   // the sub-format's tag for an extensible file

// Second output integer of GetStreamInfo: the kind of stream.
#define CX840_STREAM_AUDIO 1

#ifdef __cplusplus

// Board interface (IID_ICx840Board) of the board driver.
struct ICx840Board : public IUnknown {
    // 3: number of installed boards.
    virtual HRESULT STDMETHODCALLTYPE GetBoardCount(long* count) = 0;
    // 4: makes the board with this driver index (from 0) the one the calls that follow
    // address.
    virtual HRESULT STDMETHODCALLTYPE SelectBoard(long index) = 0;
};

// Audio-settings interface (IID_ICx840AudioSettings), obtained from the board interface
// by QueryInterface; it addresses the selected board.
struct ICx840AudioSettings : public IUnknown {
    // 3 to 13: not offered by the simulator (E_NOTIMPL).
    virtual HRESULT STDMETHODCALLTYPE Reserved3() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved4() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved5() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved6() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved8() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved9() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved10() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved11() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved12() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved13() = 0;
    // 14: sample rate of the selected board in Hz.
    virtual HRESULT STDMETHODCALLTYPE GetSampleRate(long* rate) = 0;
};

// Audio-file information component (IID_ICx840AudioFileInfo).
struct ICx840AudioFileInfo : public IUnknown {
    // 3 to 9: not offered by the simulator (E_NOTIMPL).
    virtual HRESULT STDMETHODCALLTYPE Reserved3() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved4() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved5() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved6() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved8() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved9() = 0;
    // 10: number of streams of the open file (0 when it holds no audio data).
    virtual HRESULT STDMETHODCALLTYPE GetStreamCount(long* count) = 0;
    // 11: not offered.
    virtual HRESULT STDMETHODCALLTYPE Reserved11() = 0;
    // 12: fills `buffer` (at least CX840_STREAM_INFO_SIZE bytes) with the record above;
    // `bytesWritten` and `streamKind` may be null.
    virtual HRESULT STDMETHODCALLTYPE GetStreamInfo(long stream, BYTE* buffer, long bufferSize,
                                                    long* bytesWritten, long* streamKind) = 0;
    // 13 to 23: not offered.
    virtual HRESULT STDMETHODCALLTYPE Reserved13() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved14() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved15() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved16() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved17() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved18() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved19() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved20() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved21() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved22() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved23() = 0;
    // 24: opens the file at this full path and reads its header; the file is closed
    // again before the call returns.
    virtual HRESULT STDMETHODCALLTYPE OpenFile(BSTR path) = 0;
};

#endif  // __cplusplus
