#pragma once
// A small blocking HTTP/1.0 GET client with time-outs: enough for asking a
// web server one question and reading a short answer.
#include <QByteArray>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/rtl/strings.h"

struct THttp_Response {
    bool Ok = false;       // a 2xx answer arrived whole
    int Status = 0;        // the status code, 0 when none was read
    QByteArray Body;       // the body of a 2xx answer
    String Error;          // why it failed
};

struct THttp_Request {
    String Host;
    uint16_t Port = 80;
    QByteArray Path = "/";  // path and query, already encoded
    std::vector<std::pair<QByteArray, QByteArray>> Headers;
    int Connect_Timeout_Ms = 5000;
    // The longest wait for more data while reading the answer.
    int Read_Timeout_Ms = 5000;
    // Answers longer than this are refused.
    int Max_Bytes = 1 << 20;
};

// Connects, sends "GET <Path> HTTP/1.0" with a Host header and the given
// headers, and reads until the server closes. Never raises.
THttp_Response Http_Get(const THttp_Request& Request);

// The answer as read up to the server's close: the status line, the head
// and the body of a 2xx answer. Never raises.
THttp_Response Parse_Http_Answer(const QByteArray& Answer);

// Percent-encodes a query value (letters, digits and -_.~ stay).
QByteArray Url_Encode(const String& Value);
