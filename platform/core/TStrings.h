#pragma once
// The runtime's abstract list of strings with attached objects. Descendants keep
// the strings (TStringList) or show them (list boxes, memos); everything else is
// built on the few virtual primitives.
#include "platform/core/TPersistent.h"

class TStream;

class TStrings : public TPersistent {
public:
    String ClassName() const override { return "TStrings"; }

    // ---- Primitives ---------------------------------------------------------
    virtual Integer Count() const = 0;
    // Index errors raise EStringListError "List index out of bounds (<i>)".
    virtual String Get(Integer Index) const = 0;
    // The default deletes and re-inserts, keeping the object.
    virtual void Put(Integer Index, const String& S);
    virtual TObject* GetObject(Integer Index) const { return nullptr; }
    virtual void PutObject(Integer Index, TObject* AObject) {}
    // Index may equal Count (append).
    virtual void Insert(Integer Index, const String& S) = 0;
    virtual void Delete(Integer Index) = 0;
    virtual void Clear() = 0;
    virtual Integer Capacity() const { return Count(); }
    virtual void SetCapacity(Integer NewCapacity) {}

    // ---- Access ----------------------------------------------------------
    String Strings(Integer Index) const { return Get(Index); }
    void SetStrings(Integer Index, const String& S) { Put(Index, S); }
    String operator[](Integer Index) const { return Get(Index); }
    TObject* Objects(Integer Index) const { return GetObject(Index); }
    void SetObjects(Integer Index, TObject* AObject) { PutObject(Index, AObject); }

    // Index of the new string.
    virtual Integer Add(const String& S);
    virtual Integer AddObject(const String& S, TObject* AObject);
    void InsertObject(Integer Index, const String& S, TObject* AObject);
    void AddStrings(TStrings* Strings);
    void Append(const String& S) { Add(S); }
    virtual void Exchange(Integer Index1, Integer Index2);
    virtual void Move(Integer CurIndex, Integer NewIndex);
    // Index of the first string equal to S (ignoring case by default), or -1.
    virtual Integer IndexOf(const String& S) const;
    Integer IndexOfObject(TObject* AObject) const;
    // Same count and the same strings, case observed.
    bool Equals(TStrings* Strings) const;
    // Copies the strings, objects and delimiter settings of a TStrings Source.
    void Assign(TPersistent* Source) override;

    // ---- name=value lists --------------------------------------------------
    // The part of line Index before the first "="; "" when it has none.
    String Names(Integer Index) const;
    // The part after the first "=" of the line named Name; "" when there is none.
    String Values(const String& Name) const;
    // Replaces the line named Name, appends one, or with an empty Value deletes it.
    void SetValue(const String& Name, const String& Value);
    // The part after the first "=" of line Index; "" when it has no "=".
    String ValueFromIndex(Integer Index) const;
    Integer IndexOfName(const String& Name) const;
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char Value) { FNameValueSeparator = Value; }

    // ---- Whole-list texts -----------------------------------------------------
    // Every line followed by CR LF.
    virtual String Text() const;
    // Splits on CR, LF or CR LF; a final line break adds no empty line.
    virtual void SetText(const String& Value);
    // Delimited with "," and quoted with '"'.
    String CommaText() const;
    void SetCommaText(const String& Value);
    // Strings joined by Delimiter; one with a control character, a space, the
    // quote or the delimiter is quoted (quotes doubled). A single empty string
    // gives two quote characters.
    String DelimitedText() const;
    // Splits on Delimiter and on unquoted spaces and control characters.
    void SetDelimitedText(const String& Value);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char Value) { FDelimiter = Value; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char Value) { FQuoteChar = Value; }

    // ---- Updates -----------------------------------------------------------
    void BeginUpdate();
    void EndUpdate();
    Integer UpdateCount() const { return FUpdateCount; }

    // ---- Files and streams (text in code page 1250 unless told otherwise) --------
    // Raises EFOpenError as TFileStream does.
    virtual void LoadFromFile(const String& FileName, int CodePage = 1250);
    // Replaces the file only once all lines are written, as TMemoryStream::SaveToFile.
    virtual void SaveToFile(const String& FileName, int CodePage = 1250) const;
    // Reads from the stream's position to its end.
    virtual void LoadFromStream(TStream* Stream, int CodePage = 1250);
    virtual void SaveToStream(TStream* Stream, int CodePage = 1250) const;

protected:
    // Called by BeginUpdate (true) at the outermost start and EndUpdate (false)
    // at the outermost end.
    virtual void SetUpdateState(bool Updating) {}
    // Equality and order used by IndexOf and IndexOfName; ignores case here.
    virtual Integer CompareStrings(const String& S1, const String& S2) const;
    // Raises EStringListError with Msg.
    [[noreturn]] static void Error(const String& Msg);
    [[noreturn]] static void IndexError(Integer Index);

private:
    String JoinDelimited(char Delim, char Quote) const;
    void SplitDelimited(const String& Value, char Delim, char Quote);

    Integer FUpdateCount = 0;
    char FDelimiter = ',';
    char FQuoteChar = '"';
    char FNameValueSeparator = '=';
};
