# The window-free scene core and the canvas.
mindloom_add_test(scene_canvas SOURCES canvas_tst_canvas.cpp LIBS scene_ui)
