namespace { [[maybe_unused]] int unused_placeholder = 0; }
