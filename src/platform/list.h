// An ordered list of shared objects that stays safe while its elements are added or removed during iteration.
#pragma once

#include <algorithm>
#include <cstddef>
#include <list>
#include <memory>
#include <vector>

// Elements keep insertion order. Removing an element (also the one being visited, or one further
// on) while the list is iterated never disturbs the iteration: removed elements are only marked,
// and unlinked once no iteration is running. Elements added last during an iteration are visited
// by it; elements added first are not.
template <class T>
class List {
 public:
  using Ptr = std::shared_ptr<T>;

 private:
  // Marks instead of resetting during a walk: the element in hand stays alive until the walk ends.
  struct Node {
    Ptr ptr;
    bool dead = false;
  };

 public:

  void add_last(Ptr v) { nodes_.push_back(Node{std::move(v)}); ++live_; }
  void add_first(Ptr v) { nodes_.push_front(Node{std::move(v)}); ++live_; }

  // Removes the first occurrence; false when the object is not in the list.
  bool remove(const T* v) {
    for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
      if (!it->dead && it->ptr.get() == v) {
        erase(it);
        return true;
      }
    }
    return false;
  }
  bool remove(const Ptr& v) { return remove(v.get()); }

  bool contains(const T* v) const {
    return std::any_of(nodes_.begin(), nodes_.end(), [v](const Node& n) { return !n.dead && n.ptr.get() == v; });
  }
  bool contains(const Ptr& v) const { return contains(v.get()); }
  bool is_empty() const { return live_ == 0; }
  std::size_t count() const { return live_; }

  void clear() {
    if (iterating_ == 0) {
      nodes_.clear();
    } else {
      for (auto& n : nodes_) n.dead = true;
      dirty_ = true;
    }
    live_ = 0;
  }

  // The first live element, or none.
  Ptr first() const {
    for (const auto& n : nodes_)
      if (!n.dead) return n.ptr;
    return nullptr;
  }

  std::vector<Ptr> to_array() const {
    std::vector<Ptr> out;
    out.reserve(live_);
    for (const auto& n : nodes_)
      if (!n.dead) out.push_back(n.ptr);
    return out;
  }
  static List from_array(const std::vector<Ptr>& a) {
    List l;
    for (const auto& v : a) l.add_last(v);
    return l;
  }

  class iterator {
   public:
    iterator(List* l, typename std::list<Node>::iterator it) : list_(l), it_(it) {
      ++list_->iterating_;
      skip();
    }
    iterator(const iterator& o) : list_(o.list_), it_(o.it_) { ++list_->iterating_; }
    iterator& operator=(const iterator&) = delete;
    ~iterator() { list_->end_iteration(); }
    const Ptr& operator*() const { return it_->ptr; }
    iterator& operator++() {
      ++it_;
      skip();
      return *this;
    }
    bool operator!=(const iterator& o) const { return it_ != o.it_; }
    bool operator==(const iterator& o) const { return it_ == o.it_; }

   private:
    void skip() {
      while (it_ != list_->nodes_.end() && it_->dead) ++it_;
    }
    List* list_;
    typename std::list<Node>::iterator it_;
  };

  iterator begin() { return iterator(this, nodes_.begin()); }
  iterator end() { return iterator(this, nodes_.end()); }

 private:
  void erase(typename std::list<Node>::iterator it) {
    --live_;
    if (iterating_ == 0) {
      nodes_.erase(it);
    } else {
      it->dead = true;
      dirty_ = true;
    }
  }
  void end_iteration() {
    if (--iterating_ == 0 && dirty_) {
      nodes_.remove_if([](const Node& n) { return n.dead; });
      dirty_ = false;
    }
  }

  std::list<Node> nodes_;
  std::size_t live_ = 0;
  int iterating_ = 0;
  bool dirty_ = false;
};
