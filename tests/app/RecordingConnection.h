#pragma once
// A real connection that also keeps every command text sent through it, in order: what a path of the
// program sends the company database, read back by a test. Nothing is answered in its place.

#include "db/Connection.h"

#include <memory>
#include <string>
#include <vector>

class RecordingConnection final : public db::Connection {
public:
    explicit RecordingConnection(std::unique_ptr<db::Connection> real)
        : Connection(real->connectionString()), real_(std::move(real))
    {
    }

    long Execute(std::string_view text) override { return real_->Execute(keep(text)); }
    db::Recordset Open(std::string_view text) override { return real_->Open(keep(text)); }
    void Close() override { real_->Close(); }
    bool isOpen() const override { return real_->isOpen(); }

    db::Connection& real() { return *real_; }
    std::vector<std::string> texts;

private:
    std::string_view keep(std::string_view text) { return texts.emplace_back(text); }

    std::unique_ptr<db::Connection> real_;
};
