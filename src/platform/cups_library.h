#pragma once
// libcups, bound on first use: the printing system is needed to read a queue's PPD and to talk to
// a printer, but not by the runs that only convert a font, draw a watermark or read a job
// ticket, which would otherwise load and relocate libcups and the two dozen libraries it needs.
// Code that calls libcups includes this header instead of libcups' own.
//
// The PPD interface is deprecated upstream but is what Debian ships; only its declarations are
// needed here, so the warnings are silenced around them.
#include <cups/cups.h>
#include <cups/http.h>
#include <cups/ipp.h>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>
#pragma GCC diagnostic pop

#include "platform/late_bound_library.h"

#define cupsDoRequest(...) KORVO_LATE_BOUND(kCups, cupsDoRequest)(__VA_ARGS__)
#define cupsEncryption(...) KORVO_LATE_BOUND(kCups, cupsEncryption)(__VA_ARGS__)
#define cupsFreeDests(...) KORVO_LATE_BOUND(kCups, cupsFreeDests)(__VA_ARGS__)
#define cupsFreeOptions(...) KORVO_LATE_BOUND(kCups, cupsFreeOptions)(__VA_ARGS__)
#define cupsGetNamedDest(...) KORVO_LATE_BOUND(kCups, cupsGetNamedDest)(__VA_ARGS__)
#define cupsGetOption(...) KORVO_LATE_BOUND(kCups, cupsGetOption)(__VA_ARGS__)
#define cupsGetResponse(...) KORVO_LATE_BOUND(kCups, cupsGetResponse)(__VA_ARGS__)
#define cupsLastError(...) KORVO_LATE_BOUND(kCups, cupsLastError)(__VA_ARGS__)
#define cupsLastErrorString(...) KORVO_LATE_BOUND(kCups, cupsLastErrorString)(__VA_ARGS__)
#define cupsParseOptions(...) KORVO_LATE_BOUND(kCups, cupsParseOptions)(__VA_ARGS__)
#define cupsSendRequest(...) KORVO_LATE_BOUND(kCups, cupsSendRequest)(__VA_ARGS__)
#define cupsServer(...) KORVO_LATE_BOUND(kCups, cupsServer)(__VA_ARGS__)
#define cupsSetPasswordCB2(...) KORVO_LATE_BOUND(kCups, cupsSetPasswordCB2)(__VA_ARGS__)
#define cupsUser(...) KORVO_LATE_BOUND(kCups, cupsUser)(__VA_ARGS__)
#define cupsWriteRequestData(...) KORVO_LATE_BOUND(kCups, cupsWriteRequestData)(__VA_ARGS__)
#define httpAssembleURI(...) KORVO_LATE_BOUND(kCups, httpAssembleURI)(__VA_ARGS__)
#define httpClose(...) KORVO_LATE_BOUND(kCups, httpClose)(__VA_ARGS__)
#define httpConnect2(...) KORVO_LATE_BOUND(kCups, httpConnect2)(__VA_ARGS__)
#define httpError(...) KORVO_LATE_BOUND(kCups, httpError)(__VA_ARGS__)
#define httpGetFd(...) KORVO_LATE_BOUND(kCups, httpGetFd)(__VA_ARGS__)
#define httpGetStatus(...) KORVO_LATE_BOUND(kCups, httpGetStatus)(__VA_ARGS__)
#define httpSetTimeout(...) KORVO_LATE_BOUND(kCups, httpSetTimeout)(__VA_ARGS__)
#define httpSeparateURI(...) KORVO_LATE_BOUND(kCups, httpSeparateURI)(__VA_ARGS__)
#define httpStatus(...) KORVO_LATE_BOUND(kCups, httpStatus)(__VA_ARGS__)
#define ippAddBoolean(...) KORVO_LATE_BOUND(kCups, ippAddBoolean)(__VA_ARGS__)
#define ippAddCollection(...) KORVO_LATE_BOUND(kCups, ippAddCollection)(__VA_ARGS__)
#define ippAddInteger(...) KORVO_LATE_BOUND(kCups, ippAddInteger)(__VA_ARGS__)
#define ippAddIntegers(...) KORVO_LATE_BOUND(kCups, ippAddIntegers)(__VA_ARGS__)
#define ippAddOctetString(...) KORVO_LATE_BOUND(kCups, ippAddOctetString)(__VA_ARGS__)
#define ippAddRange(...) KORVO_LATE_BOUND(kCups, ippAddRange)(__VA_ARGS__)
#define ippAddString(...) KORVO_LATE_BOUND(kCups, ippAddString)(__VA_ARGS__)
#define ippAddStrings(...) KORVO_LATE_BOUND(kCups, ippAddStrings)(__VA_ARGS__)
#define ippAttributeString(...) KORVO_LATE_BOUND(kCups, ippAttributeString)(__VA_ARGS__)
#define ippCopyAttribute(...) KORVO_LATE_BOUND(kCups, ippCopyAttribute)(__VA_ARGS__)
#define ippCopyAttributes(...) KORVO_LATE_BOUND(kCups, ippCopyAttributes)(__VA_ARGS__)
#define ippDelete(...) KORVO_LATE_BOUND(kCups, ippDelete)(__VA_ARGS__)
#define ippEnumString(...) KORVO_LATE_BOUND(kCups, ippEnumString)(__VA_ARGS__)
#define ippErrorString(...) KORVO_LATE_BOUND(kCups, ippErrorString)(__VA_ARGS__)
#define ippFindAttribute(...) KORVO_LATE_BOUND(kCups, ippFindAttribute)(__VA_ARGS__)
#define ippFirstAttribute(...) KORVO_LATE_BOUND(kCups, ippFirstAttribute)(__VA_ARGS__)
#define ippGetBoolean(...) KORVO_LATE_BOUND(kCups, ippGetBoolean)(__VA_ARGS__)
#define ippGetCollection(...) KORVO_LATE_BOUND(kCups, ippGetCollection)(__VA_ARGS__)
#define ippGetCount(...) KORVO_LATE_BOUND(kCups, ippGetCount)(__VA_ARGS__)
#define ippGetGroupTag(...) KORVO_LATE_BOUND(kCups, ippGetGroupTag)(__VA_ARGS__)
#define ippGetInteger(...) KORVO_LATE_BOUND(kCups, ippGetInteger)(__VA_ARGS__)
#define ippGetName(...) KORVO_LATE_BOUND(kCups, ippGetName)(__VA_ARGS__)
#define ippGetOctetString(...) KORVO_LATE_BOUND(kCups, ippGetOctetString)(__VA_ARGS__)
#define ippGetOperation(...) KORVO_LATE_BOUND(kCups, ippGetOperation)(__VA_ARGS__)
#define ippGetRange(...) KORVO_LATE_BOUND(kCups, ippGetRange)(__VA_ARGS__)
#define ippGetStatusCode(...) KORVO_LATE_BOUND(kCups, ippGetStatusCode)(__VA_ARGS__)
#define ippGetString(...) KORVO_LATE_BOUND(kCups, ippGetString)(__VA_ARGS__)
#define ippGetValueTag(...) KORVO_LATE_BOUND(kCups, ippGetValueTag)(__VA_ARGS__)
#define ippLength(...) KORVO_LATE_BOUND(kCups, ippLength)(__VA_ARGS__)
#define ippNew(...) KORVO_LATE_BOUND(kCups, ippNew)(__VA_ARGS__)
#define ippNextAttribute(...) KORVO_LATE_BOUND(kCups, ippNextAttribute)(__VA_ARGS__)
#define ippOpString(...) KORVO_LATE_BOUND(kCups, ippOpString)(__VA_ARGS__)
#define ippPort(...) KORVO_LATE_BOUND(kCups, ippPort)(__VA_ARGS__)
#define ippReadIO(...) KORVO_LATE_BOUND(kCups, ippReadIO)(__VA_ARGS__)
#define ippSetBoolean(...) KORVO_LATE_BOUND(kCups, ippSetBoolean)(__VA_ARGS__)
#define ippSetCollection(...) KORVO_LATE_BOUND(kCups, ippSetCollection)(__VA_ARGS__)
#define ippSetGroupTag(...) KORVO_LATE_BOUND(kCups, ippSetGroupTag)(__VA_ARGS__)
#define ippSetInteger(...) KORVO_LATE_BOUND(kCups, ippSetInteger)(__VA_ARGS__)
#define ippSetOperation(...) KORVO_LATE_BOUND(kCups, ippSetOperation)(__VA_ARGS__)
#define ippSetRange(...) KORVO_LATE_BOUND(kCups, ippSetRange)(__VA_ARGS__)
#define ippSetRequestId(...) KORVO_LATE_BOUND(kCups, ippSetRequestId)(__VA_ARGS__)
#define ippSetStatusCode(...) KORVO_LATE_BOUND(kCups, ippSetStatusCode)(__VA_ARGS__)
#define ippSetString(...) KORVO_LATE_BOUND(kCups, ippSetString)(__VA_ARGS__)
#define ippTagString(...) KORVO_LATE_BOUND(kCups, ippTagString)(__VA_ARGS__)
#define ppdClose(...) KORVO_LATE_BOUND(kCups, ppdClose)(__VA_ARGS__)
#define ppdFindAttr(...) KORVO_LATE_BOUND(kCups, ppdFindAttr)(__VA_ARGS__)
#define ppdFindChoice(...) KORVO_LATE_BOUND(kCups, ppdFindChoice)(__VA_ARGS__)
#define ppdFindMarkedChoice(...) KORVO_LATE_BOUND(kCups, ppdFindMarkedChoice)(__VA_ARGS__)
#define ppdFindOption(...) KORVO_LATE_BOUND(kCups, ppdFindOption)(__VA_ARGS__)
#define ppdMarkDefaults(...) KORVO_LATE_BOUND(kCups, ppdMarkDefaults)(__VA_ARGS__)
#define ppdOpenFd(...) KORVO_LATE_BOUND(kCups, ppdOpenFd)(__VA_ARGS__)
#define ppdOpenFile(...) KORVO_LATE_BOUND(kCups, ppdOpenFile)(__VA_ARGS__)
