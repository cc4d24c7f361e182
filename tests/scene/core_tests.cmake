# The window-free scene core and the canvas.
mindloom_add_test(scene_core SOURCES core_tst_scene.cpp LIBS scene_core)
mindloom_add_test(scene_canvas SOURCES canvas_tst_canvas.cpp LIBS scene_ui)
