#pragma once

#include <type_traits>

// Dynamic creation: the document template makes the document, frame and view from
// their classes. RUNTIME_CLASS(CVellDoc) names a class and how to make one; it converts
// to the record of any base the class derives from.

template <class Base>
struct CRuntimeClass {
  const char* m_lpszClassName = nullptr;
  Base* (*m_pfnCreateObject)() = nullptr;

  Base* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

template <class T>
struct RuntimeClassRecord {
  const char* className;

  template <class Base>
  operator CRuntimeClass<Base>() const {
    static_assert(std::is_base_of_v<Base, T>, "the class does not derive from that base");
    return {className, []() -> Base* { return new T(); }};
  }
};

#define RUNTIME_CLASS(T) (RuntimeClassRecord<T>{#T})
