# The class id of the stand-in iTunes; the Windows tests use the same one (standin_registry.cpp).
standin_clsid='{54769272-1B86-4E2E-843B-60DE12B94009}'
