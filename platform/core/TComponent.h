#pragma once
// Named, owned components: an owner deletes the components it owns, and
// components that refer to one another hear when the other goes away. (Controls
// are also freed by their parent: the whole rule is in platform/ui/TControl.h.)
#include "platform/core/TPersistent.h"
#include "platform/core/TSet.h"

#include <functional>
#include <vector>

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
public:
    // Inserts the new component into AOwner's list (AOwner may be null). The
    // owner's Notification(opInsert) runs before a derived constructor has run.
    explicit TComponent(TComponent* AOwner);
    // Tells every component registered through FreeNotification, deletes the
    // owned components (the last first) and leaves the owner's list. By then the
    // derived parts are gone: a class whose owned components call back into it
    // while they are deleted calls DestroyComponents() first in its own destructor.
    ~TComponent() override;

    String ClassName() const override { return "TComponent"; }
    String GetNamePath() const override { return FName; }
    TPersistent* GetOwner() const override;

    const String& Name() const { return FName; }
    // Raises EComponentError "'<name>' is not a valid component name" for a name
    // that is not an identifier, and "A component named <name> already exists" when
    // the owner holds another component of that name (compared ignoring case).
    virtual void SetName(const String& NewName);

    TComponent* Owner() const { return FOwner; }

    Integer ComponentCount() const { return static_cast<Integer>(FComponents.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TComponent* Components(Integer Index) const;
    // Position in the owner's list; -1 without an owner.
    Integer ComponentIndex() const;
    void SetComponentIndex(Integer Value);

    // Takes AComponent over from its previous owner (if any). Raises the
    // duplicate-name error, leaving AComponent where it was.
    void InsertComponent(TComponent* AComponent);
    // Releases AComponent without deleting it; it is then owned by nobody.
    void RemoveComponent(TComponent* AComponent);
    // The owned component of that name, ignoring case; null when none or AName is "".
    TComponent* FindComponent(const String& AName) const;
    // Deletes every owned component, the last first.
    void DestroyComponents();

    // Asks that AComponent hear Notification(this, opRemove) when this component is
    // deleted, and this one when AComponent is; the link runs both ways.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    TComponentState ComponentState() const { return FComponentState; }
    // For the stream reader and derived classes: csLoading, csReading and the rest.
    void SetComponentState(TComponentState Value) { FComponentState = Value; }
    // Marks this component and everything it owns csDestroying.
    void Destroying();
    void SetDesigning(bool Value);
    void Updating() { FComponentState.Include(csUpdating); }
    void Updated() { FComponentState.Exclude(csUpdating); }

    Int64 Tag() const { return FTag; }
    void SetTag(Int64 Value) { FTag = Value; }

    // Called after the component's properties have been read; clears csLoading.
    virtual void Loaded();

    // Heard when a component is inserted into or removed from this component's
    // owner tree, and when a component linked by FreeNotification is deleted
    // (AComponent is then already reduced to its TComponent part). The default
    // drops the free-notification link and passes the call on to the owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

    // Form-resource streaming (TFiler.h). GetChildren hands the stream writer
    // the components stored as this one's children (none by default);
    // GetChildOwner owns the children the reader creates (null: the root);
    // GetChildParent is what they are given as parent, through SetParentComponent.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {}
    virtual TComponent* GetChildOwner() { return nullptr; }
    virtual TComponent* GetChildParent() { return this; }
    virtual void SetParentComponent(TComponent* Value) {}

protected:
    // Raises the duplicate-name error when this component owns another component
    // named NewName; AComponent is the one being renamed or inserted.
    virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    String FName;
    Int64 FTag = 0;
    TComponentState FComponentState;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};
