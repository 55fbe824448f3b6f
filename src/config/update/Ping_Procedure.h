#pragma once
// The echo procedure before a device update: one echo request after the
// other, each waited for up to 400 ms, until two replies with data have
// arrived or more than 5000 ms have passed. The latest outcome decides; a
// request that gets no reply in time counts as a reply without data.
//
// The procedure never blocks: the dialog calls Poll every few milliseconds
// (and whenever the socket is readable) with the current time, so the
// window stays responsive while it runs.
#include <QByteArray>

#include <cstdint>
#include <memory>

#include "platform/net/icmp.h"

class TPing_Procedure {
public:
    enum TState {
        Idle,
        Running,
        Reply_With_Data,  // the device answered: go on with the update
        No_Reply,         // "Device Not Found!"
        Failed            // the socket could not be used: "Error!!! Check the Ip Address"
    };

    static constexpr int Request_Timeout_Ms = 400;
    static constexpr int Total_Timeout_Ms = 5000;
    static constexpr int Replies_Wanted = 2;

    explicit TPing_Procedure(std::unique_ptr<TEcho_Socket> Socket);

    // Starts pinging Address with Payload as the data of every request.
    TState Start(uint32_t Address, const QByteArray& Payload, int64_t Now_Ms);
    // Reads what arrived, moves to the next request when this one is
    // answered or timed out, and ends the procedure when it is decided.
    TState Poll(int64_t Now_Ms);

    TState State() const { return state_; }
    bool Finished() const { return state_ != Idle && state_ != Running; }
    // Why the procedure failed (Failed only).
    const String& Error() const { return error_; }
    int Requests_Sent() const { return sequence_; }
    // The socket's descriptor to watch, -1 when none.
    int Handle() const { return socket_ ? socket_->Handle() : -1; }

private:
    bool send_next(int64_t Now_Ms);
    TState finish(TState S);

    std::unique_ptr<TEcho_Socket> socket_;
    TState state_ = Idle;
    uint32_t address_ = 0;
    QByteArray payload_;
    int64_t start_ms_ = 0;
    int64_t request_ms_ = 0;
    uint16_t sequence_ = 0;
    int replies_with_data_ = 0;
    bool last_had_data_ = false;
    String error_;
};
