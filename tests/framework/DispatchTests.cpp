#include "framework/ClassBuilder.h"
#include "framework/Object.h"

#include <doctest/doctest.h>

#include <string>

namespace {
const UINT MsgA = WM_USER + 1;
const UINT MsgB = WM_USER + 2;
const UINT MsgC = WM_USER + 3;

class TBaseHandler : public TObject {
    DECLARE_CLASS(TBaseHandler, TObject)
public:
    std::string Trace;
    void DefaultHandler(TMessage& message) override
    {
        Trace += "default;";
        message.Result = -1;
    }
    void HandleA(TMessage& message)
    {
        Trace += "base A;";
        message.Result = 1;
    }
    void HandleB(TMessage&) { Trace += "base B;"; }
};

class TDerivedHandler : public TBaseHandler {
    DECLARE_CLASS(TDerivedHandler, TBaseHandler)
public:
    void HandleB(TMessage& message)
    {
        Trace += "derived B;";
        InheritedMessage<TDerivedHandler>(message);
    }
};
}

IMPLEMENT_CLASS(TBaseHandler)
{
    Message(MsgA, &TBaseHandler::HandleA);
    Message(MsgB, &TBaseHandler::HandleB);
}

IMPLEMENT_CLASS(TDerivedHandler)
{
    Message(MsgB, &TDerivedHandler::HandleB);
}

TEST_CASE("Message dispatch")
{
    TDerivedHandler handler;
    TMessage message;

    SUBCASE("falls back to the ancestor's table")
    {
        message.Msg = MsgA;
        handler.Dispatch(message);
        CHECK(handler.Trace == "base A;");
        CHECK(message.Result == 1);
    }
    SUBCASE("lets a handler pass the message on to its ancestor")
    {
        message.Msg = MsgB;
        handler.Dispatch(message);
        CHECK(handler.Trace == "derived B;base B;");
    }
    SUBCASE("ends in the default handler when no class has one")
    {
        message.Msg = MsgC;
        handler.Dispatch(message);
        CHECK(handler.Trace == "default;");
        CHECK(message.Result == -1);
    }
}
