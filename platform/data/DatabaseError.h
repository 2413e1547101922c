#pragma once
// Raising EDatabaseError the platform's way: the message is prefixed with the
// component's name and ": " when the component has a name.
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/Types.h"

#include <exception>

class TComponent;

[[noreturn]] void DatabaseError(const String& Message, const TComponent* Component = nullptr);
[[noreturn]] void DatabaseErrorFmt(const char* Message, std::initializer_list<TVarRec> Args,
                                   const TComponent* Component = nullptr);

// A row a provider could not apply: the dataset's own error (kept as raised), a
// context text and the error codes the provider compares between attempts.
class EUpdateError : public EDatabaseError {
public:
    EUpdateError(String Message, String Context, Integer ErrorCode, Integer PreviousError,
                 std::exception_ptr OriginalException)
        : EDatabaseError(std::move(Message)), FContext(std::move(Context)), FErrorCode(ErrorCode),
          FPreviousError(PreviousError), FOriginalException(std::move(OriginalException)) {}
    const char* ClassName() const noexcept override { return "EUpdateError"; }

    const String& Context() const { return FContext; }
    Integer ErrorCode() const { return FErrorCode; }
    Integer PreviousError() const { return FPreviousError; }
    const std::exception_ptr& OriginalException() const { return FOriginalException; }

private:
    String FContext;
    Integer FErrorCode;
    Integer FPreviousError;
    std::exception_ptr FOriginalException;
};
