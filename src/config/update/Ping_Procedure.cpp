#include "config/update/Ping_Procedure.h"

TPing_Procedure::TPing_Procedure(std::unique_ptr<TEcho_Socket> Socket) : socket_(std::move(Socket)) {}

TPing_Procedure::TState TPing_Procedure::finish(TState S)
{
    state_ = S;
    return state_;
}

bool TPing_Procedure::send_next(int64_t Now_Ms)
{
    ++sequence_;
    request_ms_ = Now_Ms;
    if (!socket_->Send(address_, sequence_, payload_, error_)) {
        finish(Failed);
        return false;
    }
    return true;
}

TPing_Procedure::TState TPing_Procedure::Start(uint32_t Address, const QByteArray& Payload, int64_t Now_Ms)
{
    address_ = Address;
    payload_ = Payload;
    start_ms_ = Now_Ms;
    sequence_ = 0;
    replies_with_data_ = 0;
    last_had_data_ = false;
    error_.clear();
    state_ = Running;
    if (!socket_ || !socket_->Open(error_))
        return finish(Failed);
    send_next(Now_Ms);
    return state_;
}

TPing_Procedure::TState TPing_Procedure::Poll(int64_t Now_Ms)
{
    if (state_ != Running)
        return state_;
    int bytes = 0;
    bool decided = false;
    if (socket_->Poll_Reply(address_, sequence_, bytes)) {
        last_had_data_ = bytes > 0;
        if (last_had_data_)
            ++replies_with_data_;
        decided = true;
    } else if (Now_Ms - request_ms_ > Request_Timeout_Ms) {
        last_had_data_ = false;  // no reply in time: a reply without data
        decided = true;
    }
    if (!decided)
        return state_;
    if (replies_with_data_ >= Replies_Wanted)
        return finish(Reply_With_Data);
    if (Now_Ms - start_ms_ > Total_Timeout_Ms)
        return finish(last_had_data_ ? Reply_With_Data : No_Reply);
    send_next(Now_Ms);
    return state_;
}
