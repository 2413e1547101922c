#pragma once
// The platform's exception hierarchy: every error carries its message text.
#include "platform/core/Types.h"

#include <exception>
#include <utility>

class Exception : public std::exception {
public:
    explicit Exception(String msg) : FMessage(std::move(msg)) {}
    const String& Message() const noexcept { return FMessage; }
    void SetMessage(const String& value) { FMessage = value; }
    const char* what() const noexcept override { return FMessage.c_str(); }
    virtual const char* ClassName() const noexcept { return "Exception"; }

private:
    String FMessage;
};

#define VELMORA_EXCEPTION(Name, Base)                                                                        \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
        const char* ClassName() const noexcept override { return #Name; }                                    \
    };

VELMORA_EXCEPTION(EAbort, Exception)
VELMORA_EXCEPTION(EConvertError, Exception)
VELMORA_EXCEPTION(EInOutError, Exception)
VELMORA_EXCEPTION(EListError, Exception)
VELMORA_EXCEPTION(EStringListError, EListError)
VELMORA_EXCEPTION(EStreamError, Exception)
VELMORA_EXCEPTION(EReadError, EStreamError)
VELMORA_EXCEPTION(EWriteError, EStreamError)
VELMORA_EXCEPTION(EFCreateError, EStreamError)
VELMORA_EXCEPTION(EFOpenError, EStreamError)
VELMORA_EXCEPTION(EFilerError, EStreamError)
VELMORA_EXCEPTION(EClassNotFound, EFilerError)
VELMORA_EXCEPTION(EInvalidOperation, Exception)
VELMORA_EXCEPTION(EOutOfResources, Exception)
VELMORA_EXCEPTION(EInvalidCast, Exception)
VELMORA_EXCEPTION(EInvalidPointer, Exception)
VELMORA_EXCEPTION(EComponentError, Exception)
VELMORA_EXCEPTION(EOutOfMemory, Exception)
VELMORA_EXCEPTION(EMathError, Exception)
VELMORA_EXCEPTION(EZeroDivide, EMathError)
VELMORA_EXCEPTION(EOverflow, EMathError)
VELMORA_EXCEPTION(EInvalidArgument, EMathError)
VELMORA_EXCEPTION(EInvalidOp, EMathError)
VELMORA_EXCEPTION(EVariantError, Exception)
VELMORA_EXCEPTION(EParserError, Exception)
VELMORA_EXCEPTION(EDatabaseError, Exception)
VELMORA_EXCEPTION(EPrinter, Exception)
VELMORA_EXCEPTION(EInvalidGraphic, Exception)
VELMORA_EXCEPTION(EInvalidGraphicOperation, Exception)
VELMORA_EXCEPTION(EOSError, Exception)
VELMORA_EXCEPTION(ERegistryException, Exception)
VELMORA_EXCEPTION(EIniFileException, Exception)
