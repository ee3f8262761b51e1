#pragma once
// Drops the offscreen platform's complaint that it cannot raise windows,
// which it prints on every call (tests and benchmarks run offscreen).
void InstallOffscreenMessageFilter();
