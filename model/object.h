// The base of every persistent class, object identities and the typed lists.
#pragma once

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>

class CArchive;

// Every persistent class writes and reads itself through one Serialize for both directions.
class CObject {
public:
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar) = 0;
};

// The next object identity from the process-wide counter. The counter starts at 1 and is
// raised before it is handed out, so a fresh process hands out 2 first. Loading an object
// overwrites its identity with the stored one and leaves the counter alone.
int32_t NextObjectId();
// Makes every identity handed out from now on greater than nId (for identities read from a
// project file, which must not be handed out again). Never lowers the counter; safe to call
// from any thread. Past INT32_MAX nothing is greater: the counter then wraps to INT32_MIN.
void RaiseObjectIdsPast(int32_t nId);

// The identity pair most persistent objects carry: m_nSavedId is -1 except between a renewal
// and a restoration, which the editor uses to keep identity-keyed copies addressable.
struct CIdentity {
    int32_t m_nId = NextObjectId();
    int32_t m_nSavedId = -1;
    void Renew()
    {
        m_nSavedId = m_nId;
        m_nId = NextObjectId();
    }
    void Restore()
    {
        m_nId = m_nSavedId;
        m_nSavedId = -1;
    }
};

// A doubly linked list of object pointers, head first. Reference-counted elements (layers,
// effects) are released when they leave the list; all others are deleted. The list adopts the
// reference of an element added to it.
template <class T> class CTypedPtrList {
public:
    using List = std::list<T*>;
    using iterator = typename List::iterator;
    using const_iterator = typename List::const_iterator;

    CTypedPtrList() = default;
    CTypedPtrList(const CTypedPtrList&) = delete;
    CTypedPtrList& operator=(const CTypedPtrList&) = delete;
    ~CTypedPtrList() { RemoveAll(); }

    void AddHead(T* p) { m_list.push_front(p); }
    void AddTail(T* p) { m_list.push_back(p); }
    iterator InsertBefore(iterator pos, T* p) { return m_list.insert(pos, p); }
    void RemoveAll()
    {
        while (!m_list.empty()) {
            T* p = m_list.front();
            m_list.pop_front();
            Dispose(p);
        }
    }
    // Unlinks the node and gives up the list's hold on its element.
    void RemoveAt(iterator pos)
    {
        T* p = *pos;
        m_list.erase(pos);
        Dispose(p);
    }
    int GetCount() const { return static_cast<int>(m_list.size()); }
    bool IsEmpty() const { return m_list.empty(); }
    T* GetHead() const { return m_list.empty() ? nullptr : m_list.front(); }
    T* GetTail() const { return m_list.empty() ? nullptr : m_list.back(); }
    // The element at index from the head, or nullptr past the end.
    T* GetAt(int index) const
    {
        auto it = FindIndex(index);
        return it == m_list.end() ? nullptr : *it;
    }
    iterator FindIndex(int index)
    {
        if (index < 0 || index >= GetCount())
            return m_list.end();
        return std::next(m_list.begin(), index);
    }
    const_iterator FindIndex(int index) const
    {
        if (index < 0 || index >= GetCount())
            return m_list.end();
        return std::next(m_list.begin(), index);
    }
    int IndexOf(const T* p) const
    {
        int i = 0;
        for (const T* q : m_list) {
            if (q == p)
                return i;
            ++i;
        }
        return -1;
    }

    iterator begin() { return m_list.begin(); }
    iterator end() { return m_list.end(); }
    const_iterator begin() const { return m_list.begin(); }
    const_iterator end() const { return m_list.end(); }

private:
    static void Dispose(T* p)
    {
        if constexpr (requires { p->Release(); })
            p->Release();
        else
            delete p;
    }
    List m_list;
};

// The reference count of layers and effects, which the undo history shares.
class CRefCounted {
public:
    void AddRef() { ++m_nRefs; }
    // Drops one reference and destroys the object at 0.
    void Release()
    {
        if (--m_nRefs == 0)
            delete this;
    }
    int32_t GetRefs() const { return m_nRefs; }

protected:
    virtual ~CRefCounted() = default;

private:
    int32_t m_nRefs = 1;
};
