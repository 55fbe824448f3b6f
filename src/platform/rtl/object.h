#pragma once
// Root of every class whose instances a string list or a grid cell may hold
// as an object reference.
class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};
