#pragma once
// The 46 exports of the terminal library project2.dll that this program calls, bound at load
// time through the import library made from project2.def (undecorated names, stdcall).
//
// Types: int is 32-bit signed; a text argument is a zero-terminated GBK string, null when the
// box it comes from is empty; a returned text belongs to the library and must be copied at
// once (null or empty = failure); currency is 64-bit fixed point passed by value, raw = value
// x 10000; a truth value is one byte, non-zero = success. An int result of -1 is a failure.

#ifndef _WIN32
#error "Project2Api.h declares the exports of a Windows library"
#endif

#include <cstdint>

// The library itself defines these functions; everybody else imports them.
#ifdef PROJECT2_BUILDING
#define PROJECT2_API
#else
#define PROJECT2_API __declspec(dllimport)
#endif

extern "C" {

// Card reader: port, reader code "01", then the call's own arguments. `block` is a block
// number as two decimal digits ("01"); `blockNumber` the same as an int.
PROJECT2_API const char* __stdcall newreadcard(int port, const char* readerCode, const char* block,
                                               int blockCount);
PROJECT2_API unsigned char __stdcall newwritecard(int port, const char* readerCode,
                                                  const char* block, int blockCount,
                                                  const char* hex);
PROJECT2_API unsigned char __stdcall writekh(int port, const char* readerCode, const char* block,
                                             int cardNumber);
PROJECT2_API unsigned char __stdcall tolvane(int port, const char* readerCode, const char* block,
                                             int cardNumber, const char* name, const char* password,
                                             const char* date, const char* flags,
                                             std::int64_t minimumBalance, std::int64_t dailyLimit,
                                             int limit1, int limit2, int limit3, int limit4,
                                             const char* cardTypeCode);
PROJECT2_API const char* __stdcall newreadje(int port, const char* readerCode, int blockNumber);
PROJECT2_API unsigned char __stdcall addje(int port, const char* readerCode, int blockNumber,
                                           int fen);
PROJECT2_API unsigned char __stdcall jk(int port, const char* readerCode, int blockNumber, int fen);
PROJECT2_API unsigned char __stdcall money(int port, const char* readerCode, int blockNumber);
PROJECT2_API unsigned char __stdcall downmmre(int port, const char* readerCode,
                                              const char* readerPassword);
PROJECT2_API const char* __stdcall readmm(int port);

// Terminals: link = port number, baud rate, machine number.
PROJECT2_API unsigned char __stdcall settime(int port, int baud, int machine);
PROJECT2_API unsigned char __stdcall cleardata(int port, int baud, int machine);
PROJECT2_API unsigned char __stdcall clearallhmd(int port, int baud, int machine);
PROJECT2_API unsigned char __stdcall clearallhmd1(int port, int baud, int machine);
PROJECT2_API unsigned char __stdcall clearallczj(int port, int baud, int machine);
PROJECT2_API const char* __stdcall gettime(int port, int baud, int machine);
PROJECT2_API const char* __stdcall getxx(int port, int baud, int machine);
PROJECT2_API const char* __stdcall downlssjrecd1(int port, int baud, int machine);
PROJECT2_API int __stdcall getnum(int port, int baud, int machine);
PROJECT2_API int __stdcall getje(int port, int baud, int machine);
PROJECT2_API int __stdcall getmaxnum(int port, int baud, int machine);

PROJECT2_API unsigned char __stdcall hfdata(int port, int baud, int machine, int count);
PROJECT2_API unsigned char __stdcall gskh(int port, int baud, int machine, int cardNumber);
PROJECT2_API unsigned char __stdcall jgkh(int port, int baud, int machine, int cardNumber);
PROJECT2_API unsigned char __stdcall gskh1(int port, int baud, int machine, int cardNumber);
PROJECT2_API unsigned char __stdcall jgkh1(int port, int baud, int machine, int cardNumber);
PROJECT2_API unsigned char __stdcall clearczj(int port, int baud, int machine, int cardNumber);
PROJECT2_API unsigned char __stdcall setglk(int port, int baud, int machine, int cardNumber);
PROJECT2_API unsigned char __stdcall downmaxje(int port, int baud, int machine, int fen);
PROJECT2_API unsigned char __stdcall downsjjg(int port, int baud, int machine, int minutes);

PROJECT2_API unsigned char __stdcall setxfms(int port, int baud, int machine, const char* modeCode);
PROJECT2_API unsigned char __stdcall updateyy(int port, int baud, int machine,
                                              const char* languageCode);
PROJECT2_API unsigned char __stdcall downlogin(int port, int baud, int machine, const char* title);
PROJECT2_API unsigned char __stdcall downloginxb(int port, int baud, int machine,
                                                 const char* title);
PROJECT2_API unsigned char __stdcall setsq(int port, int baud, int machine, const char* sector);
PROJECT2_API unsigned char __stdcall mmkg(int port, int baud, int machine,
                                          const char* functionCode);

PROJECT2_API const char* __stdcall downlssjrecd(int port, int baud, int machine, int start);
// The result is not used.
PROJECT2_API unsigned char __stdcall cleardbdata(int port, int baud, int machine, int recordsTaken);
PROJECT2_API unsigned char __stdcall downczj(int port, int baud, int machine, int group, int number,
                                             int cardNumber, std::int64_t amount);
PROJECT2_API unsigned char __stdcall downcd(int port, int baud, int machine, int menuNumber,
                                            std::int64_t amount, const char* dishName);
PROJECT2_API unsigned char __stdcall setzk(int port, int baud, int machine,
                                           const char* cardTypeCode, int perMille);
PROJECT2_API unsigned char __stdcall downpassword(int port, int baud, int machine,
                                                  const char* oldPassword, const char* newPassword);

// Not link-shaped.
PROJECT2_API unsigned char __stdcall setjh(int port, int baud, int oldMachine, int newMachine);
PROJECT2_API unsigned char __stdcall setbtl(int port, int oldBaud, int machine, int rateCode);
PROJECT2_API unsigned char __stdcall opencom1(const char* portName, int baud);
// The result is not used.
PROJECT2_API unsigned char __stdcall closecom();

} // extern "C"
